#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "config/IniFile.h"
#include "config/IniLocation.h"
#include "document/ChannelFile.h"

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

bool saveChannelFileOrReport(const QString& path, const RadioImage& image)
{
    const ChannelFile::Result result = ChannelFile::save(path, image);
    if (!result.ok())
        printErr(path + QStringLiteral(": ") + result.errorText + QLatin1Char('\n'));
    return result.ok();
}

bool loadProgramIni(IniFile& ini)
{
    const QString path = existingProgramIni(QCoreApplication::applicationDirPath());
    return !path.isEmpty() && ini.load(path);
}
