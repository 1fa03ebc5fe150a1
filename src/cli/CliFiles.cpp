#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "config/IniFile.h"
#include "config/IniLocation.h"
#include "document/ChannelFile.h"
#include "fileio/FileWriter.h"

#include <QCoreApplication>

bool loadChannelFileOrReport(const QString& path, RadioImage& image)
{
    const ChannelFile::Result result = ChannelFile::load(path, image);
    if (result.status == ChannelFile::Result::Status::FormatError)
        printErr(path + QStringLiteral(": Data Format Error\n"));
    else if (!result.ok())
        printErr(path + QStringLiteral(": ") + result.errorText + QLatin1Char('\n'));
    return result.ok();
}

bool writeOutputOrReport(const QString& path, const QByteArray& bytes)
{
    const FileWriter writer;
    const bool toStdout = path == QLatin1String("-");
    const WriteResult written = toStdout ? writer.writeStandardOutput(bytes) : writer.write(path, bytes);
    if (!written.ok)
        printErr((toStdout ? QStringLiteral("standard output") : path) + QStringLiteral(": ") +
                 written.errorText + QLatin1Char('\n'));
    return written.ok;
}

bool saveChannelFileOrReport(const QString& path, const RadioImage& image)
{
    return writeOutputOrReport(path, ChannelFile::toBytes(image));
}

bool loadProgramIni(IniFile& ini)
{
    const QString path = existingProgramIni(QCoreApplication::applicationDirPath());
    return !path.isEmpty() && ini.load(path);
}
