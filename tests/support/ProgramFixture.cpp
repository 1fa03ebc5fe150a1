#include "support/ProgramFixture.h"

#include "document/ChannelFile.h"
#include "editor/CellEditorDelegate.h"
#include "model/ChannelCodec.h"

#include <QLineEdit>
#include <QMimeData>

StartedProgram::StartedProgram(const QByteArray& ini, const QStringList& arguments, bool mustStart) : env(ini)
{
    ok = start(arguments);
    if (mustStart)
        QVERIFY2(ok, qPrintable(env.boxTexts()));
}

StartedProgram::StartedProgram(NoDocument)
{
    env.loadIni();
    alone = std::make_unique<MainWindow>(env.context);
    alone->show();
    ok = true;
}

QByteArray StartedProgram::ini(const QByteArray& language, const QByteArray& showLang)
{
    return GuiTestEnv::defaultIni()
        .replace("Language=English", "Language=" + language)
        .replace("ShowLang=1", "ShowLang=" + showLang);
}

bool StartedProgram::start(const QStringList& arguments)
{
    app.reset();
    app = std::make_unique<Application>(env.hooks);
    return app->start({env.iniPath(), env.dir(), QString()}, arguments);
}

void StartedProgram::activate() const
{
    mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
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

bool StartedProgram::dropFile(const QString& path) const
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = mainWindow()->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mainWindow(), &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    return enter.isAccepted() && QCoreApplication::sendEvent(mainWindow(), &drop);
}

QString StartedProgram::writeFile(const QString& name, const QByteArray& bytes) const
{
    return ::writeFile(env.filePath(name), bytes);
}

QString StartedProgram::saveFile(const QString& name, const RadioImage& image) const
{
    ChannelFile::save(env.filePath(name), image);
    return env.filePath(name);
}
