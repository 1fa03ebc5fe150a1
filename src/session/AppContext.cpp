#include "session/AppContext.h"

#include "config/DataLocation.h"
#include "config/SettingsKey.h"
#include "link/PortNames.h"

namespace {

const QString VerifyKey = QStringLiteral("Transfer/VerifyAfterWrite");

} // namespace

AppContext::AppContext()
    : port_(PortMap([this](const QString& slotName) {
          return config_.value(QStringLiteral("Ports"), slotName, QString());
      })),
      serialDevices_(makeSerialDevices())
{
}

QString AppContext::setupValue(const QString& key) const
{
    return config_.value(QStringLiteral("Setup"), key, QString());
}

QString AppContext::languageValue(const QString& key) const
{
    return config_.value(languageName_, key, QString());
}

void AppContext::setLanguageName(const QString& value)
{
    languageName_ = value;
    language_ = languageFromSetting(value);
}

QString AppContext::helpFile() const
{
    return language_ == Language::Chinese ? QStringLiteral("chHelp.chm") : QStringLiteral("enHelp.chm");
}

void AppContext::setProgramDir(const QString& dir)
{
    programDir_ = dir.isEmpty() || dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

std::unique_ptr<QSettings> AppContext::settingsKey() const
{
    return openSettingsKey(setupValue(QStringLiteral("AppName")));
}

std::unique_ptr<QSettings> AppContext::programSettings() const
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("xr970"),
                                       QStringLiteral("xr970"));
}

bool AppContext::verifyAfterWrite() const
{
    return programSettings()->value(VerifyKey, true).toBool();
}

void AppContext::setVerifyAfterWrite(bool on)
{
    programSettings()->setValue(VerifyKey, on);
}

QString AppContext::historyFolder() const
{
    return historyFolder_.isEmpty() ? radioHistoryFolder() : historyFolder_;
}

void AppContext::loadStoredPort()
{
    const std::unique_ptr<QSettings> key = settingsKey();
    port_.restore(PortNames::loadPortNumber(*key), PortNames::loadPortDevice(*key));
}

void AppContext::storePort(int number)
{
    port_.setNumber(number);
    PortNames::storePortNumber(*settingsKey(), number);
}

void AppContext::storeDevice(const QString& device)
{
    port_.setDevice(device);
    PortNames::storePortDevice(*settingsKey(), device);
}
