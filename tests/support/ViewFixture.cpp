#include "support/ViewFixture.h"

#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"

#include "channels/ChannelTableModel.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

ViewFixture::ViewFixture(RadioVariant variant, bool newDocument, const RadioImage& image)
{
    env.loadIni();
    env.context.setRadioVariant(variant);
    document.initNew(Language::English, QStringLiteral("XrTest"));
    document.image() = image;
    env.context.setNewDocument(newDocument);
    view = std::make_unique<ChannelView>(&document, env.context);
    view->resize(view->minimumSize());
    view->show();
    view->initialUpdate();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

QString ViewFixture::cell(int r, int c) const
{
    return grid()->text(r, c);
}

QStringList ViewFixture::row(int r) const
{
    QStringList texts;
    for (int c = 1; c <= 8; ++c)
        texts << cell(r, c);
    return texts;
}

QLineEdit* ViewFixture::edit(int col) const
{
    return qobject_cast<QLineEdit*>(view->editors().editorOf(col));
}

void ViewFixture::clickCell(int row, int col)
{
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect(row, col).center());
}

void ViewFixture::typeInto(int row, int col, const QString& text)
{
    clickCell(row, col);
    QLineEdit* box = edit(col);
    QVERIFY(box && box->isVisible());
    box->clear();
    QTest::keyClicks(box, text);
}

void ViewFixture::key(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void ViewFixture::typeKeys(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void ViewFixture::selectCells(int top, int left, int bottom, int right)
{
    const ChannelTableModel& model = view->model();
    view->grid()->findChild<QTableView*>()->selectionModel()->select(
        QItemSelection(model.cellIndex(top, left), model.cellIndex(bottom, right)), QItemSelectionModel::Select);
}
