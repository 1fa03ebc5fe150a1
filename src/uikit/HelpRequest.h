#pragma once

class QWidget;

// Widgets carry their resource id: the help context number F1 asks UiHooks::requestHelp
// for, and what tests find them by.
void setControlId(QWidget* widget, int id);
int controlId(const QWidget* widget); // 0 when none

// The id of the focused widget inside top, or fallback when it has none.
int focusedControlId(const QWidget* top, int fallback);
