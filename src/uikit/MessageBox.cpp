#include "uikit/MessageBox.h"

#include "config/AppContext.h"
#include "model/DisplayText.h"

#include <QApplication>
#include <QDir>

namespace {

MessageBoxHandler& handler()
{
    static MessageBoxHandler current;
    return current;
}

QMessageBox::StandardButton realMessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QMessageBox::StandardButton showMessageBox(const MessageBoxRequest& request)
{
    // However long the text, the box fits the screen and its buttons can be reached.
    MessageBoxRequest boxed = request;
    boxed.text = boxedText(request.text);
    return handler() ? handler()(boxed) : realMessageBox(boxed);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler next)
{
    MessageBoxHandler previous = std::move(handler());
    handler() = std::move(next);
    return previous;
}

QMessageBox::StandardButton appMessageBox(const AppContext& context, const QString& text,
                                          QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    return showMessageBox({QApplication::activeWindow(), text, context.company(), buttons, icon});
}

void fileErrorBox(const AppContext& context, const QString& what, const QString& path, const QString& reason)
{
    appMessageBox(context, what.arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n') + reason,
                  QMessageBox::Ok, QMessageBox::Warning);
}
