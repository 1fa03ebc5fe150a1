#include "app/WindowPlacement.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

namespace {

const QString GeometryKey = QStringLiteral("MainWindow/Geometry");
const QString StateKey = QStringLiteral("MainWindow/State");
const QString StatusBarKey = QStringLiteral("MainWindow/StatusBar");
const QString BarWidthKey = QStringLiteral("MainWindow/NavigationBarWidth");

} // namespace

void savePlacement(const QMainWindow& window, const QDockWidget& bar, QSettings& settings)
{
    settings.setValue(GeometryKey, window.saveGeometry());
    settings.setValue(StateKey, window.saveState());
    settings.setValue(StatusBarKey, !window.statusBar()->isHidden());
    settings.setValue(BarWidthKey, bar.width());
}

void showPlaced(QMainWindow& window, QDockWidget& bar, QSettings& settings)
{
    if (!window.restoreGeometry(settings.value(GeometryKey).toByteArray())) {
        window.showMaximized();
        return;
    }
    window.restoreState(settings.value(StateKey).toByteArray());
    window.statusBar()->setVisible(settings.value(StatusBarKey, true).toBool());
    window.show();
    const int width = settings.value(BarWidthKey, 0).toInt();
    if (width > 0)
        window.resizeDocks({&bar}, {width}, Qt::Horizontal);
}
