#include "uikit/MessageBox.h"

#include "config/AppContext.h"
#include "model/DisplayText.h"

#include <QApplication>
#include <QGridLayout>
#include <QScreen>
#include <QStyle>

namespace {

MessageBoxHandler& handler()
{
    static MessageBoxHandler current;
    return current;
}

QMessageBox::StandardButton realMessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.owner);
    makeRoomForCaption(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void makeRoomForCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int decorations = 5 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + decorations;
    if (const QScreen* screen = box.screen())
        width = qMin(width, screen->availableGeometry().width() * 9 / 10);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                  1, grid->columnCount());
}

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
    appMessageBox(context, what.arg(displayedPath(path)) + QLatin1Char('\n') + reason, QMessageBox::Ok,
                  QMessageBox::Warning);
}
