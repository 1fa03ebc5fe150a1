#include "IniLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("Program.ini");

bool canCreateIn(const QString& dir)
{
    QFile probe(QDir(dir).filePath(FileName));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

QString locateProgramIni(const QString& exeDir, const QString& installedDefault)
{
    const QString beside = QDir(exeDir).filePath(FileName);
    const QFileInfo besideInfo(beside);
    if (besideInfo.exists() ? besideInfo.isWritable() : canCreateIn(exeDir))
        return beside;

    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userDir);
    const QString perUser = QDir(userDir).filePath(FileName);
    if (!QFileInfo::exists(perUser)) {
        const QString source = besideInfo.exists() ? beside : installedDefault;
        if (QFile::copy(source, perUser))
            QFile::setPermissions(perUser, QFile::ReadOwner | QFile::WriteOwner);
    }
    return perUser;
}
