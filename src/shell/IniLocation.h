#pragma once

#include <QString>

// Where Program.ini lives: beside the executable when it exists there or can be created
// there; for an installation in a folder the user cannot write, a per-user copy in the
// user's configuration folder, first copied from the installed default.
QString locateProgramIni(const QString& exeDir, const QString& installedDefault);
