#pragma once

#include "app/Application.h"
#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "support/GuiTestEnv.h"
#include "support/ScratchFiles.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

// The program in a private program folder (GuiTestEnv), started as main() starts it:
// Program.ini, its language module, the command line (a file, or a new document), the main
// window where it was left. It starts again in the same folder with the settings the run
// before left. Start-up always ends with a document: for the menu bar of none the main
// window is built alone on the folder's context.
struct StartedProgram {
    struct NoDocument {};
    // Fails the test when the start fails, unless it may.
    explicit StartedProgram(const QByteArray& ini = GuiTestEnv::defaultIni(),
                            const QStringList& arguments = {}, bool mustStart = true);
    explicit StartedProgram(NoDocument);

    // The test folder's Program.ini with another language, and ShowLang.
    static QByteArray ini(const QByteArray& language, const QByteArray& showLang = "1");
    bool start(const QStringList& arguments = {});
    void activate() const; // brings the main window to the front, with the keyboard

    AppContext& context() { return app ? app->context() : env.context; }
    MainWindow* mainWindow() const { return app ? app->mainWindow() : alone.get(); }
    DocumentManager& docs() const { return mainWindow()->documents(); }
    ChannelView* view() const { return docs().currentWindow()->view(); } // the active document's
    QString cell(int row, int col) const { return view()->grid()->text(row, col); }
    // Types into the Rx cell of a row over what its edit box holds, and leaves the editor
    // open: without Enter.
    void typeWithoutEnter(int row, const QString& text) const;
    // Drags the file onto the main window and, where the window takes it, drops it.
    bool dropFile(const QString& path) const;
    // A file in the program folder with these bytes, or this image as a .dat file.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    QString saveFile(const QString& name, const RadioImage& image = RadioImage::makeNew()) const;

    GuiTestEnv env;
    std::unique_ptr<Application> app;
    std::unique_ptr<MainWindow> alone;
    bool ok = false;
};

// Answers the modal dialog of type T as soon as it shows.
template <typename T> void answerDialog(std::function<void(T&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}
