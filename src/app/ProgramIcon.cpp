#include "app/ProgramIcon.h"

#include <QFileInfo>

QIcon programIcon(const QString& programDir)
{
    // Checked first: probing a missing file would load every image plugin.
    const QString icon = programDir + QStringLiteral("title.ico");
    return QIcon(QFileInfo::exists(icon) ? icon : QStringLiteral(":/images/title.png"));
}
