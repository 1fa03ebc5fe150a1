#include "config/IniLocation.h"

#include "config/IniFile.h"
#include "fileio/FileReader.h"
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

// A copy of a file that could be read whole, for the user alone: nobody else reads it.
bool copyPrivately(const QString& source, const QString& target)
{
    // A FIFO or a device in its place is refused, never waited on.
    const ReadResult original = readRegularFile(source, IniFile::MaxFileSize + 1);
    if (!original.ok || original.bytes.size() > IniFile::MaxFileSize ||
        !makeFolders(QFileInfo(target).path()).ok || !FileWriter().write(target, original.bytes).ok)
        return false;
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

bool isKeptCopy(const QString& perUser)
{
    return QFileInfo(perUser).size() > 0;
}

} // namespace

ProgramIniLocation locateProgramIni(const QString& exeDir, const QString& installedDefault)
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
        return {beside, beside};

    const QString perUser = perUserProgramIni();
    const QString source = besideInfo.exists() ? beside : installedDefault;
    if (isKeptCopy(perUser) || !QFileInfo::exists(source) || copyPrivately(source, perUser))
        return {perUser, perUser};
    return {source, perUser};
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
    const QString beside = QDir(exeDir).filePath(FileName);
    if (QFileInfo::exists(beside))
        return beside;
    if (isKeptCopy(perUserProgramIni()))
        return perUserProgramIni();
    const QString installed = QDir(installedDataDir(exeDir)).filePath(FileName);
    return QFileInfo::exists(installed) ? installed : QString();
}
