#include "app/RecentFiles.h"

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {

const QString FilesKey = QStringLiteral("RecentFiles");
constexpr int MaxShownPath = 60; // characters; longer paths are cut in the middle
// One prompt serves every entry of the list.
const char* const EntryPrompt = QT_TRANSLATE_NOOP("StringTable", "Open this document\nRecent File");

QString menuText(int index, const QString& path)
{
    QString shown = displayedPath(path, MaxShownPath);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

RecentFiles::RecentFiles(const AppContext& context, QObject* parent) : QObject(parent), context_(context)
{
    for (int id : commandIds()) {
        auto* act = new QAction(this);
        act->setData(id);
        act->setStatusTip(promptStatusText(EntryPrompt));
        actions_ << act;
    }
    files_ = context_.programSettings()->value(FilesKey).toStringList().mid(0, CommandId::RecentFileCount);
    updateActions();
}

QList<int> RecentFiles::commandIds()
{
    QList<int> ids;
    for (int i = 0; i < CommandId::RecentFileCount; ++i)
        ids << CommandId::RecentFileFirst + i;
    return ids;
}

QString RecentFiles::file(int commandId) const
{
    return files_.value(commandId - CommandId::RecentFileFirst);
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    files_ = files_.mid(0, CommandId::RecentFileCount);
    store();
    updateActions();
}

void RecentFiles::remove(const QString& path)
{
    files_.removeAll(path);
    store();
    updateActions();
}

void RecentFiles::store() const
{
    context_.programSettings()->setValue(FilesKey, files_);
}

void RecentFiles::updateActions()
{
    for (int i = 0; i < actions_.size(); ++i) {
        const bool used = i < files_.size();
        actions_[i]->setVisible(used);
        actions_[i]->setText(used ? menuText(i, files_[i]) : QString());
        actions_[i]->setToolTip(used ? QDir::toNativeSeparators(files_[i]) : QString());
    }
}
