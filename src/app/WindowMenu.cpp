#include "app/WindowMenu.h"

#include "app/DocumentManager.h"
#include "app/DocumentWindow.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "document/ChannelDocument.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

namespace {

// The prompt of every document entry.
const char* const EntryPrompt = QT_TRANSLATE_NOOP("StringTable", "Show the window of this document\nWindow");

// "&1 chan.dat*": the number (an access key up to 9), the title, "*" when modified.
QString entryText(int number, const DocumentWindow& window)
{
    const ChannelDocument& document = *window.document();
    const QString title = QString(document.title()).replace(QLatin1Char('&'), QStringLiteral("&&"));
    return (number <= 9 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2"))
               .arg(QString::number(number), title) +
           (document.isModified() ? QStringLiteral("*") : QString());
}

} // namespace

WindowMenu::WindowMenu(QMenu* menu, const QAction* next, const DocumentManager& documents, Chooser choose)
    : QObject(menu), menu_(menu), next_(next), documents_(documents), choose_(std::move(choose)),
      entries_(new QActionGroup(this))
{
    menu_->addSeparator();
    connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::refresh);
}

QList<QAction*> WindowMenu::entries() const
{
    return entries_->actions();
}

void WindowMenu::refresh()
{
    qDeleteAll(entries_->actions());
    const QList<DocumentWindow*> windows = documents_.windows();
    for (int i = 0; i < windows.size(); ++i) {
        auto* entry = new QAction(entryText(i + 1, *windows[i]), entries_);
        entry->setData(CommandId::WindowDocument); // its help topic
        entry->setStatusTip(promptStatusText(EntryPrompt));
        entry->setCheckable(true);
        entry->setChecked(windows[i] == documents_.currentWindow());
        entry->setEnabled(next_->isEnabled());
        connect(entry, &QAction::triggered, this, [this, window = QPointer<DocumentWindow>(windows[i])] {
            if (window)
                choose_(window);
        });
        menu_->addAction(entry);
    }
}
