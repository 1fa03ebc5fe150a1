// Editing the channel grid as in a desktop editor: undo and redo, copy, cut and paste of
// cells, Escape, and typing on a cell without an open editor.

#include "document/ChannelDocument.h"
#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "editor/ChannelDrag.h"
#include "editor/GridClipboard.h"
#include "editor/GridOperations.h"
#include "support/SampleImage.h"
#include "support/ViewFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// A view of a saved document (band 130 - 160MHz, receive-only columns) holding channel 1
// at 145.125 MHz, channel 2 at 150 MHz and channel 15 at 140 MHz.
struct Fixture : ViewFixture {
    Fixture()
        : ViewFixture(RadioVariant::ReceiveOnly, false,
                      SampleImage()
                          .channel(1, 14512500, 14512500)
                          .channel(2, 15000000, 15000000)
                          .channel(15, 14000000))
    {
    }
    QUndoStack& stack() const { return *view->undoStack(); }
};

// Channel 1 as the grid shows it (Tx and Enc hidden, the sample's scan and busy lock).
const QStringList Channel1{"145.12500", "", "None", "", "Wide", "Yes", "QT/DQT", "High"};

} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void undoRedoEachChange_data();
    void undoRedoEachChange();
    void modifiedFollowsCleanState();
    void pasteBlockWithOneBadCell();
    void pasteForms_data();
    void pasteForms();
    void copyAndPasteWholeRows();
    void cutDeletesChannelsOnly();
    void escapeCancelsEditor();
    void typingAfterRefusalEditsCurrentCell();
    void hiddenColumnTakesNoKeys();
    void typingReplacesUnlessEditingInPlace();
    void editBoxKeepsItsOwnClipboardKeys();
    void enterInAnOpenedListPicksItsEntry();
    void channelMenusAndDrop();
};

void TestEditing::undoRedoEachChange_data()
{
    QTest::addColumn<std::function<void(Fixture&)>>("change");
    QTest::newRow("enter fills a row") << std::function<void(Fixture&)>([](Fixture& f) {
        f.typeInto(5, 1, QStringLiteral("146.5"));
        f.key(Qt::Key_Return);
    });
    QTest::newRow("leave commit") << std::function<void(Fixture&)>([](Fixture& f) {
        f.typeInto(1, 1, QStringLiteral("147"));
        f.clickCell(9, 5);
    });
    QTest::newRow("refused entry clears a channel") << std::function<void(Fixture&)>([](Fixture& f) {
        f.typeInto(1, 1, QStringLiteral("999"));
        f.key(Qt::Key_Return);
        QCOMPARE(f.env.boxes.size(), 1);
    });
    QTest::newRow("list choice") << std::function<void(Fixture&)>([](Fixture& f) {
        f.clickCell(2, 5);
        f.view->editors().listOf(5)->setCurrentIndex(1);
        f.key(Qt::Key_Return);
    });
    QTest::newRow("paste") << std::function<void(Fixture&)>([](Fixture& f) {
        f.grid()->setCurrentCell(3, 1);
        QVERIFY(pasteCells(*f.view, QStringLiteral("140\tD023N\n141\t88.5\n")));
    });
    QTest::newRow("cut") << std::function<void(Fixture&)>([](Fixture& f) {
        f.grid()->setCurrentCell(2, 1);
        QCOMPARE(cutCells(*f.view), QStringLiteral("150.00000\n"));
    });
    QTest::newRow("move down") << std::function<void(Fixture&)>([](Fixture& f) {
        f.selectCells(1, 1, 2, 8);
        QVERIFY(moveSelectedChannels(*f.view, 1));
        QCOMPARE(f.grid()->selection().top, 2); // the selection goes with them
    });
    QTest::newRow("drop") << std::function<void(Fixture&)>(
        [](Fixture& f) { QVERIFY(dropSelectedChannels(*f.view, 5)); });
    QTest::newRow("insert") << std::function<void(Fixture&)>(
        [](Fixture& f) { QVERIFY(insertEmptyChannel(*f.view)); });
    QTest::newRow("delete") << std::function<void(Fixture&)>(
        [](Fixture& f) { QVERIFY(deleteSelectedChannels(*f.view)); });
    QTest::newRow("sort") << std::function<void(Fixture&)>([](Fixture& f) {
        QVERIFY(sortSelectedChannels(*f.view));
        QCOMPARE(f.stack().undoText(), QStringLiteral("Sort by Rx Frequency"));
    });
    QTest::newRow("fill down") << std::function<void(Fixture&)>([](Fixture& f) {
        f.selectCells(1, 1, 4, 1);
        QVERIFY(fillDown(*f.view));
    });
    QTest::newRow("set a column") << std::function<void(Fixture&)>([](Fixture& f) {
        f.selectCells(1, 1, 2, 1);
        QVERIFY(setColumnOfSelected(*f.view, 5, QStringLiteral("Narrow")));
    });
}

// Each kind of change is one step: undo puts back exactly the texts and bytes there were,
// redo the changed ones.
void TestEditing::undoRedoEachChange()
{
    QFETCH(std::function<void(Fixture&)>, change);
    Fixture f;
    const ViewState before = f.view->state();
    change(f);
    const ViewState after = f.view->state();
    QVERIFY(!after.sameData(before));
    QCOMPARE(f.stack().count(), 1);
    f.stack().undo();
    QVERIFY(f.view->state().sameData(before));
    QVERIFY(!f.document.isModified());
    f.stack().redo();
    QVERIFY(f.view->state().sameData(after));
    QVERIFY(f.document.isModified());
}

void TestEditing::modifiedFollowsCleanState()
{
    Fixture f;
    f.typeInto(4, 1, QStringLiteral("151"));
    f.key(Qt::Key_Return);
    QVERIFY(f.document.isModified());
    QVERIFY(f.document.save(f.env.filePath(QStringLiteral("saved.dat")), f.env.context.fileWriter()).ok());
    QVERIFY(!f.document.isModified());
    f.typeInto(5, 1, QStringLiteral("152"));
    f.key(Qt::Key_Return);
    QVERIFY(f.document.isModified());
    f.stack().undo(); // back to what was saved
    QVERIFY(!f.document.isModified());
    f.stack().undo(); // before the save
    QVERIFY(f.document.isModified());
}

void TestEditing::pasteBlockWithOneBadCell()
{
    Fixture f;
    f.grid()->setCurrentCell(3, 1);
    const QString block = QStringLiteral("140.5\tNone\tWide\tYes\n"
                                         "145.0123\t67.0\tNarrow\tNo\n" // off the raster
                                         "141.0125\td023n\tnarrow\tyes\n");
    QVERIFY(pasteCells(*f.view, block));
    QCOMPARE(f.row(3), (QStringList{"140.50000", "", "None", "", "Wide", "Yes", "Off", "High"}));
    QCOMPARE(f.row(4), QStringList(8, QString())); // refused: the row keeps what it had
    QCOMPARE(f.row(5),
             (QStringList{"141.01250", "", "D023N", "", "Narrow", "Yes", "Off", "High"}));
    QCOMPARE(f.env.boxes.size(), 1);
    const QString message = f.env.boxes[0].text;
    QVERIFY2(message.contains(QStringLiteral("Channel 4, Rx Frequency: \"145.0123\"")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("Error data Value")));
    QCOMPARE(f.env.boxes[0].caption, QStringLiteral("Caution"));
    QCOMPARE(f.stack().count(), 1);
    QCOMPARE(f.stack().undoText(), QStringLiteral("Paste"));
}

void TestEditing::pasteForms_data()
{
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("row3");
    QTest::addColumn<QStringList>("row4");
    QTest::addColumn<int>("boxes");
    const QStringList empty(8, QString());
    QTest::newRow("comma-separated") << 1 << "\"140\",Wide\n"
                                     << QStringList{"140.00000", "", "None", "",
                                                    "Wide",      "No",        "Off",  "High"}
                                     << empty << 1; // "Wide" is no tone
    QTest::newRow("decimal comma") << 1 << "140,0125\tNone\n"
                                   << QStringList{"140.01250", "", "None", "",
                                                  "Wide",      "No",        "Off",  "High"}
                                   << empty << 0;
    QTest::newRow("from the third column") << 5 << "Narrow\tYes\nNarrow\n"
                                           << empty << empty << 0; // no frequency: nothing to set
    QTest::newRow("beyond the last column") << 6 << "Yes\tHigh\n"
                                            << empty << empty << 1; // the Power column is not shown
    QTest::newRow("longer than a cell") << 1 << "145.125" + QString(60, '0') << empty << empty << 1;
    QTest::newRow("more than 16 channels take") << 1 << QString(70000, '1') << empty << empty << 1;
    QTest::newRow("list by its first letters")
        << 1 << "145\t88\tn\ty\n"
        << QStringList{"145.00000", "", "88.5", "", "Narrow", "Yes", "Off", "High"} << empty
        << 0;
}

void TestEditing::pasteForms()
{
    QFETCH(int, startColumn);
    QFETCH(QString, text);
    QFETCH(QStringList, row3);
    QFETCH(QStringList, row4);
    QFETCH(int, boxes);
    Fixture f;
    f.grid()->setCurrentCell(3, startColumn);
    pasteCells(*f.view, text);
    QCOMPARE(f.row(3), row3);
    QCOMPARE(f.row(4), row4);
    QCOMPARE(f.env.boxes.size(), boxes);
    for (const MessageBoxRequest& box : f.env.boxes) // pasted values are shown short
        QVERIFY2(box.text.size() < 200, qPrintable(box.text.left(200)));
    QCOMPARE(f.row(1), Channel1); // nothing else changed
}

void TestEditing::copyAndPasteWholeRows()
{
    Fixture f;
    f.grid()->setCurrentCell(1, 3);
    QCOMPARE(copyCells(*f.view), QStringLiteral("None\n")); // one cell
    auto* table = f.grid()->findChild<QTableView*>();
    table->clearSelection();
    f.selectCells(1, 1, 2, 8); // rows 1 and 2, every column
    const QString rows = copyCells(*f.view);
    QCOMPARE(rows, QStringLiteral("1\t145.12500\tNone\tWide\tYes\n2\t150.00000\tNone\tWide\tYes\n"));
    table->clearSelection();
    f.grid()->setCurrentCell(2, 1);
    cutCells(*f.view);
    QCOMPARE(f.row(2), QStringList(8, QString()));
    // Numbered rows land whole on the rows from the current one down, without their numbers.
    f.grid()->setCurrentCell(9, 5);
    QVERIFY(pasteCells(*f.view, rows));
    QCOMPARE(f.row(2), QStringList(8, QString()));
    QCOMPARE(f.cell(9, 1), QStringLiteral("145.12500"));
    QCOMPARE(f.cell(10, 1), QStringLiteral("150.00000"));
    QCOMPARE(f.row(1), Channel1);
    QVERIFY2(f.env.boxes.isEmpty(), qPrintable(f.env.boxTexts()));
}

void TestEditing::cutDeletesChannelsOnly()
{
    Fixture f;
    auto* table = f.grid()->findChild<QTableView*>();
    table->clearSelection();
    f.selectCells(1, 5, 2, 6); // W/N and Scan of rows 1, 2
    QCOMPARE(cutCells(*f.view), QStringLiteral("Wide\tYes\nWide\tYes\n"));
    QCOMPARE(f.row(1), Channel1); // a channel in use keeps its list values
    QCOMPARE(f.stack().count(), 0);
    table->clearSelection();
    f.selectCells(1, 1, 1, 3); // Rx to Dec of row 1
    cutCells(*f.view);
    QCOMPARE(f.row(1), QStringList(8, QString()));
    QCOMPARE(f.cell(2, 1), QStringLiteral("150.00000"));
}

void TestEditing::escapeCancelsEditor()
{
    Fixture f;
    f.typeInto(1, 1, QStringLiteral("150"));
    f.key(Qt::Key_Escape);
    QVERIFY(!f.edit(1)); // closed
    QCOMPARE(f.cell(1, 1), QStringLiteral("145.12500"));
    f.clickCell(6, 5); // leaving the cell commits nothing now
    QCOMPARE(f.row(1), Channel1);
    QVERIFY2(f.env.boxes.isEmpty(), qPrintable(f.env.boxTexts()));
    QVERIFY(!f.document.isModified());
    QCOMPARE(f.stack().count(), 0);
}

// With no editor open (after a refusal), typed digits open the current cell's editor
// with what was typed; they never jump to a row beginning with them.
void TestEditing::typingAfterRefusalEditsCurrentCell()
{
    Fixture f;
    f.typeInto(4, 1, QStringLiteral("abc"));
    f.key(Qt::Key_Return);
    QCOMPARE(f.env.boxes.size(), 1);
    QVERIFY(!f.edit(1)); // closed
    f.typeKeys(QStringLiteral("152.5"));
    QVERIFY(f.edit(1) && f.edit(1)->isVisible());
    QCOMPARE(f.edit(1)->text(), QStringLiteral("152.5"));
    f.key(Qt::Key_Return);
    QCOMPARE(f.cell(4, 1), QStringLiteral("152.50000"));
    QCOMPARE(f.row(1), Channel1);
    QCOMPARE(f.env.boxes.size(), 1);
}

// Busy Lock and Power have no width: no arrow key lands on them and no key changes them.
void TestEditing::hiddenColumnTakesNoKeys()
{
    Fixture f;
    f.grid()->setCurrentCell(1, 6);
    QTest::keyClick(f.grid()->findChild<QTableView*>(), Qt::Key_Right);
    QCOMPARE(f.grid()->currentColumn(), 6);
    f.grid()->setCurrentCell(1, 7);
    f.typeKeys(QStringLiteral("C"));
    QVERIFY(!f.view->editors().isOpen(7));
}

// An edit box opened on a cell takes what is typed instead of its text; after F2 or a
// double click it adds to it.
void TestEditing::typingReplacesUnlessEditingInPlace()
{
    Fixture f;
    for (const int way : {0, 1, 2}) { // a click, then nothing, F2, a double click
        f.clickCell(2, 1);
        if (way == 1)
            f.key(Qt::Key_F2);
        if (way == 2)
            QTest::mouseDClick(f.edit(1), Qt::LeftButton);
        f.typeKeys(QStringLiteral("5"));
        QCOMPARE(f.edit(1)->text(), QLatin1String(way == 0 ? "5" : "150.000005"));
        f.key(Qt::Key_Escape);
    }
}

// In an open edit box, Copy with selected text and Paste of one value belong to the box;
// otherwise they are left to the window's Edit commands.
void TestEditing::editBoxKeepsItsOwnClipboardKeys()
{
    Fixture f;
    f.clickCell(1, 1);
    QLineEdit* box = f.edit(1);
    const auto boxTakes = [box](QKeySequence::StandardKey standard) {
        const QKeySequence sequence(standard);
        QKeyEvent event(QEvent::ShortcutOverride, sequence[0].key(), sequence[0].keyboardModifiers());
        event.ignore();
        QCoreApplication::sendEvent(box, &event);
        return event.isAccepted();
    };
    box->deselect();
    QVERIFY(!boxTakes(QKeySequence::Copy));
    box->selectAll();
    QVERIFY(boxTakes(QKeySequence::Copy));
    QGuiApplication::clipboard()->setText(QStringLiteral("146.5"));
    QVERIFY(boxTakes(QKeySequence::Paste));
    QGuiApplication::clipboard()->setText(QStringLiteral("146.5\t67.0\n"));
    QVERIFY(!boxTakes(QKeySequence::Paste));
    QVERIFY(!boxTakes(QKeySequence::Undo)); // nothing typed yet: the grid's undo
    QTest::keyClicks(box, QStringLiteral("1"));
    QVERIFY(boxTakes(QKeySequence::Undo));
}

// Enter in an opened drop-down picks the entry and closes the list; the next Enter
// commits it and moves on.
void TestEditing::enterInAnOpenedListPicksItsEntry()
{
    Fixture f;
    f.clickCell(1, 5);
    QComboBox* list = f.view->editors().listOf(5);
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTRY_VERIFY(!list->view()->isVisible());
    QCOMPARE(list->currentText(), QStringLiteral("Narrow"));
    QCOMPARE(f.grid()->currentColumn(), 5);
    QCOMPARE(f.cell(1, 5), QStringLiteral("Wide"));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.cell(1, 5), QStringLiteral("Narrow"));
    QCOMPARE(f.grid()->currentColumn(), 6);
}

// The Menu key opens the cells' menu with the current column's values, a right click on a
// title cell that column's menu, and a drop of the grid's own channels moves them; a
// refused insert says why.
void TestEditing::channelMenusAndDrop()
{
    Fixture f;
    f.grid()->setCurrentCell(2, 5);
    f.key(Qt::Key_Menu);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QMenu* values = nullptr;
    for (QAction* action : menu->actions())
        if (action->isVisible() && action->menu())
            values = action->menu();
    QVERIFY(values);
    QCOMPARE(values->title(), QStringLiteral("Set W/N for se&lected channels"));
    values->actions().at(1)->trigger();
    menu->close();
    QCOMPARE(f.cell(2, 5), QStringLiteral("Narrow"));
    auto* table = f.grid()->findChild<QTableView*>();
    QHeaderView* titles = table->horizontalHeader();
    const QPoint wn(titles->sectionViewportPosition(4) + 5, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, wn, titles->viewport()->mapToGlobal(wn));
    QCoreApplication::sendEvent(titles->viewport(), &click);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Wide"));
    menu->actions().at(1)->trigger();
    menu->close();
    QCOMPARE(f.cell(2, 5), QStringLiteral("Wide"));

    table->clearSelection();
    f.selectCells(1, 1, 2, 8);
    std::unique_ptr<QMimeData> data(ChannelDrag::dragData(*f.grid()));
    const QPoint below5 = f.grid()->cellRect(5, 1).center() + QPoint(0, 2); // lower half
    f.grid()->viewport()->setAcceptDrops(true); // as while the grid's own drag runs
    QDragEnterEvent enter(below5, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.grid()->viewport(), &enter);
    QDropEvent drop(below5, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.grid()->viewport(), &drop);
    QCOMPARE(f.cell(4, 1), QStringLiteral("145.12500"));
    QCOMPARE(f.cell(5, 1), QStringLiteral("150.00000"));
    QCOMPARE(f.stack().undoText(), QStringLiteral("Move Channels"));

    f.grid()->setText(16, 1, QStringLiteral("150.00000"));
    QVERIFY(!insertEmptyChannel(*f.view));
    QCOMPARE(f.env.boxes.size(), 1);
    QVERIFY(f.env.boxes[0].text.contains(QStringLiteral("channel 16 is in use")));
}

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
