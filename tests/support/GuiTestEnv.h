#pragma once

#include "link/ScriptedSerialDevices.h"
#include "session/AppContext.h"
#include "uikit/UiHooks.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

// A private program folder for widget tests: Program.ini, the language modules copied
// from the build, settings redirected into it, an application context for the windows
// under test, and hooks that record every message box and answer it from a queue (Ok
// when the queue is empty); an Application under test is given the same hooks. The
// context sees scripted serial devices, none until a test lists some, so no test opens a
// real serial device, and keeps its radio history in the folder.
class GuiTestEnv {
public:
    explicit GuiTestEnv(const QByteArray& programIni = defaultIni());

    static QByteArray defaultIni();
    QString dir() const { return dir_.path(); }
    QString iniPath() const;
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Loads Program.ini into the context and sets its language as start-up does.
    void loadIni(const QString& language = QStringLiteral("English"));

    UiHooks hooks;
    AppContext context;
    ScriptedSerialDevices& devices() const { return *devices_; }

    QList<MessageBoxRequest> boxes;
    // The texts of the boxes shown so far, one a line: what a failed check prints.
    QString boxTexts() const;
    QList<QMessageBox::StandardButton> answers;

private:
    QTemporaryDir dir_;
    ScriptedSerialDevices* devices_;
};
