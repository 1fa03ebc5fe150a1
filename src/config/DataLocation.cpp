#include "config/DataLocation.h"

#include <QDir>
#include <QStandardPaths>

QString radioHistoryFolder()
{
    // AppDataLocation is the generic data folder, then the organisation and the
    // application name, both "xr970" for the program.
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return data.filePath(QStringLiteral("xr970/xr970/history"));
}

QString fleetLogFolder(const QString& historyFolder)
{
    return QDir::cleanPath(historyFolder + QStringLiteral("/../fleet"));
}
