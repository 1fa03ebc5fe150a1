#include "support/ProgramFixture.h"

#include "app/DocumentManager.h"
#include "app/DocumentWindow.h"
#include "app/MainWindow.h"
#include "document/ChannelFile.h"
#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "model/ChannelCodec.h"

#include <QLineEdit>

StartedProgram::StartedProgram(const QByteArray& ini, const QStringList& arguments, bool mustStart) : env(ini)
{
    ok = start(arguments);
    if (mustStart)
        QVERIFY2(ok, qPrintable(env.boxTexts()));
}

StartedProgram::StartedProgram(NoDocument)
{
    env.loadIni();
    alone_ = std::make_unique<MainWindow>(env.context);
    alone_->show();
    ok = true;
}

StartedProgram::~StartedProgram() = default;

QByteArray StartedProgram::ini(const QByteArray& language, const QByteArray& showLang)
{
    return GuiTestEnv::defaultIni()
        .replace("Language=English", "Language=" + language)
        .replace("ShowLang=1", "ShowLang=" + showLang);
}

bool StartedProgram::start(const QStringList& arguments)
{
    app.reset();
    app = std::make_unique<Application>();
    return app->start({env.iniPath(), env.dir(), QString()}, arguments);
}

void StartedProgram::activate() const
{
    mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
}

MainWindow* StartedProgram::mainWindow() const
{
    return app ? app->mainWindow() : alone_.get();
}

DocumentManager& StartedProgram::docs() const
{
    return mainWindow()->documents();
}

ChannelView* StartedProgram::view() const
{
    return docs().currentWindow()->view();
}

QString StartedProgram::cell(int row, int col) const
{
    return view()->grid()->text(row, col);
}

void StartedProgram::typeWithoutEnter(int row, const QString& text) const
{
    view()->grid()->setCurrentCell(row, GridColumn::RxFrequency);
    view()->openEditor();
    auto* edit = qobject_cast<QLineEdit*>(view()->editors().editorOf(GridColumn::RxFrequency));
    QVERIFY(edit && edit->isVisible());
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString StartedProgram::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(env.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QString StartedProgram::saveFile(const QString& name, const RadioImage& image) const
{
    const QString path = env.filePath(name);
    ChannelFile::save(path, image);
    return path;
}
