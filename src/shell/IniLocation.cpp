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
    // A missing Program.ini is only created beside the executable when there is no
    // installed default to start from: created empty, the program could not start.
    const bool besideWanted = besideInfo.exists()
                                  ? besideInfo.isWritable()
                                  : !QFileInfo::exists(installedDefault) && canCreateIn(exeDir);
    if (besideWanted)
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

QString installedDataDir(const QString& exeDir, const QString& relativeToExe,
                         const QString& configured)
{
    const QString relative = QDir::cleanPath(QDir(exeDir).filePath(relativeToExe));
    if (!relativeToExe.isEmpty() && QFileInfo(relative).isDir())
        return relative;
    return configured;
}
