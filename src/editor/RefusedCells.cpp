#include "editor/RefusedCells.h"

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"
#include "uikit/UiHooks.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Refused cells listed by name in the message; the rest are counted.
constexpr int ListedRefusals = 10;

// The words a paste's message first used, shared by every way of entering several values.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GridClipboard)
};

} // namespace

void showCautionMessage(ChannelView& view, const QString& text)
{
    view.context().uiHooks().showMessageBox(
        {&view, text, stringTableText(MessageId::Caution), QMessageBox::Ok, QMessageBox::Warning});
}

void reportRefusedCells(ChannelView& view, const QString& heading, const std::vector<CellRefusal>& refused,
                        const QString& note)
{
    if (refused.empty() && note.isEmpty())
        return;
    QStringList lines;
    if (!refused.empty()) {
        lines << heading;
        const int listed = qMin(int(refused.size()), ListedRefusals);
        for (int i = 0; i < listed; ++i) {
            const CellRefusal& cell = refused[static_cast<std::size_t>(i)];
            lines << Texts::tr("Channel %1, %2: \"%3\" - %4")
                         .arg(cell.channel)
                         .arg(view.grid()->text(0, cell.col), displayedValue(cell.value), cell.reason);
        }
        if (int(refused.size()) > ListedRefusals)
            lines << Texts::tr("... and %1 more.").arg(int(refused.size()) - ListedRefusals);
    }
    if (!note.isEmpty())
        lines << note;
    showCautionMessage(view, lines.join(QLatin1Char('\n')));
}
