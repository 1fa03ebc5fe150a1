#pragma once

class QDialog;
class UiHooks;

// F1 inside the dialog asks the hooks for the help topic of the focused control's id (0,
// the contents page, when the focus sits on something without an id).
void installControlHelp(QDialog* dialog, const UiHooks& hooks);
