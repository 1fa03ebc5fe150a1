#pragma once

#include <QIcon>

// The program's icon: "title.ico" from the program folder, or the built-in one when
// there is none. The main window and every document window show it.
QIcon programIcon(const QString& programDir);
