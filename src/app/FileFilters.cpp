#include "app/FileFilters.h"

#include <QCoreApplication>

QString fileDialogFilter(const QString& pattern)
{
    return pattern + QStringLiteral(";;") + QCoreApplication::translate("FileFilters", "All files (*)");
}
