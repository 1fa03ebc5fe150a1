#include "uikit/MessageBox.h"

#include "model/DisplayText.h"
#include "uikit/UiHooks.h"

#include <QApplication>
#include <QGridLayout>
#include <QScreen>
#include <QStyle>

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

QMessageBox::StandardButton appMessageBox(const UiHooks& hooks, const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    return hooks.showMessageBox({QApplication::activeWindow(), text, caption, buttons, icon});
}

void fileErrorBox(const UiHooks& hooks, const QString& caption, const QString& what, const QString& path,
                  const QString& reason)
{
    appMessageBox(hooks, caption, what.arg(displayedPath(path)) + QLatin1Char('\n') + reason, QMessageBox::Ok,
                  QMessageBox::Warning);
}
