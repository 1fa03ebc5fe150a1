#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "config/IniFile.h"
#include "config/IniLocation.h"
#include "document/ChannelFile.h"
#include "fileio/FileWriter.h"
#include "model/DisplayText.h"

#include <QCoreApplication>

bool loadChannelFileOrReport(const QString& path, RadioImage& image)
{
    const ChannelFile::Result result = ChannelFile::load(path, image);
    if (result.status == ChannelFile::Result::Status::FormatError)
        printErr(displayedPath(path) + QStringLiteral(": Data Format Error\n"));
    else if (!result.ok())
        printErr(displayedPath(path) + QStringLiteral(": ") + result.errorText + QLatin1Char('\n'));
    return result.ok();
}

bool writeOutputOrReport(const QString& path, const QByteArray& bytes)
{
    if (path == QLatin1String("-"))
        return writeStandardOutput(bytes); // the command's end reports a failure
    const WriteResult written = FileWriter().write(path, bytes);
    if (!written.ok)
        printErr(displayedPath(path) + QStringLiteral(": ") + written.errorText + QLatin1Char('\n'));
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
