#include "app/PaneFocus.h"

#include <QApplication>
#include <QWidget>

void focusNextPane(const QList<QWidget*>& panes, int step)
{
    if (panes.isEmpty())
        return;
    const QWidget* focused = QApplication::focusWidget();
    qsizetype current = -1;
    for (qsizetype i = 0; i < panes.size() && focused; ++i) {
        if (panes[i] == focused || panes[i]->isAncestorOf(focused))
            current = i;
    }
    const qsizetype count = panes.size();
    const qsizetype next =
        current < 0 ? (step > 0 ? 0 : count - 1) : ((current + step) % count + count) % count;
    panes[next]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}
