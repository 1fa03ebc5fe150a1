#pragma once

#include "uikit/MessageBox.h"

#include <functional>

// Who answers the message boxes of the windows and who shows the help topics that F1
// asks for. The program makes one (Application) and a widget test its own; the
// application context hands it to every window, so no handler is process-wide.
class UiHooks {
public:
    using HelpHandler = std::function<void(int contextId)>;

    UiHooks() = default;
    UiHooks(const UiHooks&) = delete;
    UiHooks& operator=(const UiHooks&) = delete;

    // Every message box of the program goes through here, so that tests can see and
    // answer it: shows the box modally and returns the button pressed.
    QMessageBox::StandardButton showMessageBox(const MessageBoxRequest& request) const;
    // Replaces the real box (tests); an empty handler restores it. Returns the previous one.
    MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

    // F1 anywhere asks for the help topic of a context number: the focused control's id,
    // or a command id. The main window installs the viewer as the handler.
    void requestHelp(int contextId) const;
    void setHelpHandler(HelpHandler handler) { helpHandler_ = std::move(handler); }

private:
    MessageBoxHandler messageBoxHandler_;
    HelpHandler helpHandler_;
};
