#include "config/SettingsKey.h"

std::unique_ptr<QSettings> openSettingsKey(const QString& appName)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + appName,
                                       QSettings::NativeFormat);
#else
    // An empty AppName still gets a key of its own rather than the organisation file.
    const QString application = appName.isEmpty() ? QStringLiteral("default") : appName;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("xr970"),
                                       application);
#endif
}

std::uint8_t readSettingsByte(QSettings& key, const QString& name, std::uint8_t fallback)
{
    const QVariant value = key.value(name);
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok ? static_cast<std::uint8_t>(number & 0xFF) : fallback;
}

void writeSettingsDword(QSettings& key, const QString& name, std::uint32_t value)
{
    key.setValue(name, static_cast<quint32>(value));
}
