#pragma once

#include <functional>

class QWidget;

// F1 anywhere asks for the help topic of a context number: the focused control's id,
// or a command id. The application shell installs the viewer as the handler.
void requestHelp(int contextId);
void setHelpHandler(std::function<void(int)> handler);

// Widgets carry their resource id (help context numbers, tests).
void setControlId(QWidget* widget, int id);
int controlId(const QWidget* widget); // 0 when none

// The id of the focused widget inside top, or fallback when it has none.
int focusedControlId(const QWidget* top, int fallback);
