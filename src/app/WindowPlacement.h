#pragma once

class QMainWindow;
class QDockWidget;
class QSettings;

// Where the main window was when the program last ended: its size, position and state
// (maximised, toolbar and navigation bar shown), the status bar and the navigation
// bar's width, kept in the program's settings.
void savePlacement(const QMainWindow& window, const QDockWidget& bar, QSettings& settings);
// Shows the window as it was; maximised when nothing was kept.
void showPlaced(QMainWindow& window, QDockWidget& bar, QSettings& settings);
