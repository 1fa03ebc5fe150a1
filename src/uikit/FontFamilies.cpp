#include "uikit/FontFamilies.h"

#include <QFontDatabase>

QStringList installedFamilies(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            found << family;
    return found;
}
