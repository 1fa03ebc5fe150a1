#pragma once

#include <QList>

class QWidget;

// F6 and Shift+F6: the keyboard focus moves to the next (step 1) or previous (step -1)
// of the panes, in their order and round again; from outside every pane it goes to the
// first or the last. A pane takes the focus as its own setFocus gives it.
void focusNextPane(const QList<QWidget*>& panes, int step);
