#pragma once

#include <QMessageBox>
#include <functional>

class AppContext;
class QWidget;

// Every message box of the program goes through showMessageBox, so that tests can see
// and answer it.
struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

using MessageBoxHandler = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;

// Shows the box modally and returns the button pressed.
QMessageBox::StandardButton showMessageBox(const MessageBoxRequest& request);

// Window managers cut a caption that does not fit beside their title-bar buttons
// ("North... orks"), and QMessageBox leaves room for little more than its text: the box
// is made as wide as its caption in a bold title font with room for the icon and three
// buttons, though never wider than most of the screen.
void makeRoomForCaption(QMessageBox& box);

// Replaces the real box (tests); an empty handler restores it. Returns the previous one.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// The application's own boxes carry the Company text as caption.
QMessageBox::StandardButton appMessageBox(const AppContext& context, const QString& text,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          QMessageBox::Icon icon = QMessageBox::NoIcon);

// A file that could not be read or written: what happened ("Could not save the file
// %1.", %1 the file's name as displayedPath shows it) and the reason, as a warning.
void fileErrorBox(const AppContext& context, const QString& what, const QString& path, const QString& reason);
