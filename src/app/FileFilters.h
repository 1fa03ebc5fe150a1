#pragma once

#include <QString>

// The filter of a file dialog: the files' own pattern, named the same way for every kind
// ("*.dat", "*.csv"), then every file.
QString fileDialogFilter(const QString& pattern);
