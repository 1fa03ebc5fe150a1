#pragma once

#include "app/Application.h"
#include "model/RadioImage.h"
#include "support/GuiTestEnv.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

class ChannelView;
class DocumentManager;
class MainWindow;

// The program in a private program folder (GuiTestEnv), started as main() starts it:
// Program.ini, its language module, the command line (a file, or a new document) and the
// main window where it was left. It can be started again in the same folder, with the
// settings the run before left. Start-up always ends with a document; for the menu bar of
// no document the main window is built alone on the folder's context instead.
class StartedProgram {
public:
    struct NoDocument {};

    // Fails the test when the start fails, unless that is what it expects.
    explicit StartedProgram(const QByteArray& ini = GuiTestEnv::defaultIni(),
                            const QStringList& arguments = {}, bool mustStart = true);
    explicit StartedProgram(NoDocument);
    ~StartedProgram();

    // The test folder's Program.ini with another language, and ShowLang.
    static QByteArray ini(const QByteArray& language, const QByteArray& showLang = "1");
    bool start(const QStringList& arguments = {});
    // Brings the main window to the front and waits until it has the keyboard.
    void activate() const;

    AppContext& context() { return app ? app->context() : env.context; }
    MainWindow* mainWindow() const;
    DocumentManager& docs() const;
    ChannelView* view() const; // the active document window's
    QString cell(int row, int col) const;
    // Types into the Rx cell of a row over what its edit box holds, and leaves the editor
    // open, without Enter.
    void typeWithoutEnter(int row, const QString& text) const;
    // A file in the program folder with these bytes, or this image as a .dat file.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    QString saveFile(const QString& name, const RadioImage& image = RadioImage::makeNew()) const;

    GuiTestEnv env;
    std::unique_ptr<Application> app;
    bool ok = false;

private:
    std::unique_ptr<MainWindow> alone_;
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
