#pragma once

#include <QMessageBox>
#include <functional>

class QWidget;
class UiHooks;

// A message box of the program; UiHooks::showMessageBox shows every one.
struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

using MessageBoxHandler = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;

// Window managers cut a caption that does not fit beside their title-bar buttons
// ("North... orks"), and QMessageBox leaves room for little more than its text: the box
// is made as wide as its caption in a bold title font with room for the icon and three
// buttons, though never wider than most of the screen.
void makeRoomForCaption(QMessageBox& box);

// The application's own boxes, over the active window, with the caption the caller gives
// (the Company text).
QMessageBox::StandardButton appMessageBox(const UiHooks& hooks, const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          QMessageBox::Icon icon = QMessageBox::NoIcon);

// A file that could not be read or written: what happened ("Could not save the file
// %1.", %1 the file's name as displayedPath shows it) and the reason, as a warning.
void fileErrorBox(const UiHooks& hooks, const QString& caption, const QString& what, const QString& path,
                  const QString& reason);
