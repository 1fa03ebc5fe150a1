#pragma once

#include "config/IniFile.h"
#include "fileio/FileWriter.h"
#include "link/CurrentPort.h"
#include "link/SerialDevices.h"
#include "model/Language.h"
#include "model/RadioVariant.h"
#include "session/HistoryKeeper.h"

#include <QSettings>
#include <QString>
#include <memory>

class UiHooks;

// What the whole program shares, created once at start-up and handed to whatever needs
// it: the configuration file, the language, the program folder, the radio variant of the
// last read, whether the document is a new one, the port the transfers use, the serial
// devices of the system, the radio history's folder, the writer of every file the
// program saves, and the hooks of its windows (who answers message boxes and help).
class AppContext {
public:
    AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    IniFile& config() { return config_; }
    const IniFile& config() const { return config_; }
    // A value of [Setup], and of the language's own section (Company, AppName, ...).
    QString setupValue(const QString& key) const;
    QString languageValue(const QString& key) const;

    // The [Setup] Language value as read at start-up: it names the language module and
    // the section of the branding texts, and chooses the compiled-in texts.
    void setLanguageName(const QString& value);
    QString languageName() const { return languageName_; }
    Language language() const { return language_; }
    QString helpFile() const; // "chHelp.chm" or "enHelp.chm"

    // The program's folder, with a trailing separator: pictures beside the program.
    QString programDir() const { return programDir_; }
    void setProgramDir(const QString& dir);

    // Caption of the program's own message boxes.
    QString company() const { return languageValue(QStringLiteral("Company")); }

    // ReceiveOnly at start; set by a completed read.
    RadioVariant radioVariant() const { return radioVariant_; }
    void setRadioVariant(RadioVariant variant) { radioVariant_ = variant; }
    // Set by New, cleared by Open and by a completed read.
    bool isNewDocument() const { return newDocument_; }
    void setNewDocument(bool isNew) { newDocument_ = isNew; }

    // The per-user settings key named after [Setup] AppName.
    std::unique_ptr<QSettings> settingsKey() const;
    // The program's own per-user settings: recent files, where the window was.
    std::unique_ptr<QSettings> programSettings() const;
    // Verify after Write: each completed write is read back and compared. On until the
    // user turns it off; kept in the program's settings.
    bool verifyAfterWrite() const;
    void setVerifyAfterWrite(bool on);

    // Where the copies of the images read are kept; tests give a folder of their own.
    QString historyFolder() const;
    void setHistoryFolder(const QString& folder) { historyFolder_ = folder; }
    // Where the radio workflows keep the copy of each read: that folder, this writer.
    HistoryKeeper historyKeeper() const { return {historyFolder(), fileWriter()}; }

    CurrentPort& port() { return port_; }
    const CurrentPort& port() const { return port_; }
    // The port stored for the user becomes the current port (a device override stays);
    // storePort and storeDevice remember the user's choice of a COM slot or a device.
    void loadStoredPort();
    void storePort(int number);
    void storeDevice(const QString& device);

    // Which serial devices are present and whether they open: the system's, unless a
    // test or a trial gives its own.
    SerialDevices& serialDevices() const { return *serialDevices_; }
    void setSerialDevices(std::unique_ptr<SerialDevices> devices) { serialDevices_ = std::move(devices); }

    // Every file the program writes goes through it; tests put in one whose writes fail.
    const FileWriter& fileWriter() const { return *fileWriter_; }
    void setFileWriter(const FileWriter& writer) { fileWriter_ = &writer; }

    // The message boxes and help requests of the windows (uikit): the program's own, or a
    // widget test's, which answers the boxes. Set before the first window is made.
    UiHooks& uiHooks() const { return *uiHooks_; }
    void setUiHooks(UiHooks& hooks) { uiHooks_ = &hooks; }

private:
    FileWriter systemWriter_;
    const FileWriter* fileWriter_ = &systemWriter_;
    IniFile config_;
    QString languageName_;
    Language language_ = Language::English;
    QString programDir_;
    QString historyFolder_;
    RadioVariant radioVariant_ = RadioVariant::ReceiveOnly;
    bool newDocument_ = false;
    CurrentPort port_;
    std::unique_ptr<SerialDevices> serialDevices_;
    UiHooks* uiHooks_ = nullptr;
};
