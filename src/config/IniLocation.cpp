#include "config/IniLocation.h"

#include "fileio/FileWriter.h"

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

// The per-user copy is the user's own: nobody else reads it.
void copyPrivately(const QString& source, const QString& target)
{
    QFile original(source);
    if (original.open(QIODevice::ReadOnly) && FileWriter().write(target, original.readAll()).ok)
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

QString locateProgramIni(const QString& exeDir, const QString& installedDefault)
{
    const QString beside = QDir(exeDir).filePath(FileName);
    const QFileInfo besideInfo(beside);
    // A missing Program.ini is only created beside the executable when there is no
    // installed default to start from: created empty, the program could not start.
    // A save replaces the file through a new one beside it, so its folder must take new files.
    const bool besideWanted = besideInfo.exists()
                                  ? besideInfo.isWritable() && QFileInfo(exeDir).isWritable()
                                  : !QFileInfo::exists(installedDefault) && canCreateIn(exeDir);
    if (besideWanted)
        return beside;

    const QString perUser = perUserProgramIni();
    QDir().mkpath(QFileInfo(perUser).path());
    if (!QFileInfo::exists(perUser))
        copyPrivately(besideInfo.exists() ? beside : installedDefault, perUser);
    return perUser;
}

QString installedDataDir(const QString& exeDir, const QString& relativeToExe, const QString& configured)
{
    const QString relative = QDir::cleanPath(QDir(exeDir).filePath(relativeToExe));
    if (!relativeToExe.isEmpty() && QFileInfo(relative).isDir())
        return relative;
    return configured;
}

QString installedDataDir(const QString& exeDir)
{
    return installedDataDir(exeDir, QStringLiteral(XR970_DATA_FROM_BIN),
                            QStringLiteral(XR970_INSTALL_DATA_DIR));
}

QString perUserProgramIni()
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(QStringLiteral("xr970/") + FileName);
}

QString existingProgramIni(const QString& exeDir)
{
    const QString candidates[] = {QDir(exeDir).filePath(FileName), perUserProgramIni(),
                                  QDir(installedDataDir(exeDir)).filePath(FileName)};
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return candidate;
    return {};
}
