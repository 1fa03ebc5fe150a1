#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <memory>

// The per-user settings key named after the [Setup] AppName of Program.ini. On Windows
// it is the registry key HKEY_CURRENT_USER\Software\<AppName>; elsewhere a per-user
// settings file of that name.
std::unique_ptr<QSettings> openSettingsKey(const QString& appName);

// A stored DWORD: its low byte, or the fallback when the value is missing.
std::uint8_t readSettingsByte(QSettings& key, const QString& name, std::uint8_t fallback);
void writeSettingsDword(QSettings& key, const QString& name, std::uint32_t value);
