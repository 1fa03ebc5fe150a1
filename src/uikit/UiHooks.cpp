#include "uikit/UiHooks.h"

#include "model/DisplayText.h"

namespace {

QMessageBox::StandardButton realMessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.owner);
    makeRoomForCaption(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QMessageBox::StandardButton UiHooks::showMessageBox(const MessageBoxRequest& request) const
{
    // However long the text, the box fits the screen and its buttons can be reached.
    MessageBoxRequest boxed = request;
    boxed.text = boxedText(request.text);
    return messageBoxHandler_ ? messageBoxHandler_(boxed) : realMessageBox(boxed);
}

MessageBoxHandler UiHooks::setMessageBoxHandler(MessageBoxHandler handler)
{
    std::swap(messageBoxHandler_, handler);
    return handler;
}

void UiHooks::requestHelp(int contextId) const
{
    if (helpHandler_)
        helpHandler_(contextId);
}
