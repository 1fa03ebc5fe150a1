#include "config/CommandIds.h"
#include "config/SettingsKey.h"
#include "document/ChannelDocument.h"
#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "model/ChannelCodec.h"
#include "support/ViewFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

namespace {

using Fixture = ViewFixture;

} // namespace

class TestView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<RadioVariant>(); }
    void initialLayout_data();
    void initialLayout();
    void commitWiring_data();
    void commitWiring();
    void enterNavigationWraps();
    void disabledGridOpensNoEditor();
    void unofferedToneIsKept();
    void passingThroughChecksNothing();
    void fillAndStoreRoundTrip();
    void productFromAndToSettings();
    void bandTheTypeDoesNotHave();
};

void TestView::initialLayout_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QList<int>>("visible");
    QTest::newRow("receive only") << int(RadioVariant::ReceiveOnly) << QList<int>{1, 3, 5, 6};
    QTest::newRow("transmit only") << int(RadioVariant::TransmitOnly) << QList<int>{2, 4, 5};
    QTest::newRow("other") << int(RadioVariant::Other) << QList<int>{1, 2, 3, 4, 5, 6};
}

void TestView::initialLayout()
{
    QFETCH(int, variant);
    QFETCH(QList<int>, visible);
    Fixture f(static_cast<RadioVariant>(variant));
    QList<int> shown;
    for (int c = 1; c <= 8; ++c)
        if (f.grid()->columnWidthTwips(c) > 0)
            shown << c;
    QCOMPARE(shown, visible);
    QCOMPARE(f.grid()->isEnabled(), variant != int(RadioVariant::Other));
    QCOMPARE(f.cell(0, 1), QStringLiteral("Rx Frequency"));
    QCOMPARE(f.cell(3, 0), QStringLiteral(" 3"));
    QCOMPARE(f.cell(16, 0), QStringLiteral("16"));
    QCOMPARE(f.view->titleLabel()->text(), QStringLiteral("Test Title"));
    QCOMPARE(f.view->toneList().size(), 219);
}

void TestView::commitWiring_data()
{
    QTest::addColumn<QString>("before");  // Rx committed with Enter first
    QTest::addColumn<int>("col");         // the cell typed into, in row 2
    QTest::addColumn<QString>("typed");   // the edit box's text, or the list entry chosen
    QTest::addColumn<bool>("enter");      // Enter, or a click on cell (5, 3)
    QTest::addColumn<QStringList>("row"); // row 2 after the commit
    QTest::addColumn<QPoint>("current");  // (row, column) after the commit
    QTest::addColumn<QString>("box");
    // The receive-only radio's Tx and Enc are not shown, so they show empty (and are not written).
    const QStringList filled{"145.12500", "", "None", "", "Wide", "No", "Off", "High"};
    const QStringList empty(8, QString());
    const QString refused = QStringLiteral("Out of range,please input again.");
    QTest::newRow("Enter fills, moves") << "" << 1 << "145.125" << true << filled << QPoint(2, 3) << "";
    QTest::newRow("leave fills") << "" << 1 << "145.125" << false << filled << QPoint(5, 3) << "";
    QTest::newRow("refused clears, stays")
        << "145.125" << 1 << "abc" << true << empty << QPoint(2, 1) << refused;
    QTest::newRow("empty Rx deletes") << "150" << 1 << "" << true << empty << QPoint(2, 3) << "";
    QTest::newRow("list on empty row") << "" << 5 << "Narrow" << true << empty << QPoint(2, 6) << "";
}

// A commit through the view: the rule's writes in the grid, the move after it (none after a
// refusal), the editor that opens where it lands, and the rule's message.
void TestView::commitWiring()
{
    QFETCH(QString, before);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(QStringList, row);
    QFETCH(QPoint, current);
    QFETCH(QString, box);
    Fixture f;
    if (!before.isEmpty()) {
        f.typeInto(2, 1, before);
        f.pressEnter();
    }
    if (col == GridColumn::RxFrequency) {
        f.typeInto(2, col, typed);
    } else {
        f.clickCell(2, col);
        auto* list = qobject_cast<QComboBox*>(f.view->editors().editorOf(col));
        QVERIFY(list && list->isVisible());
        list->setCurrentIndex(list->findText(typed));
    }
    if (enter)
        f.pressEnter();
    else
        f.clickCell(5, 3);
    QCOMPARE(f.row(2), row);
    QCOMPARE(QPoint(f.grid()->currentRow(), f.grid()->currentColumn()), current);
    QCOMPARE(f.env.boxTexts(), box);
    if (!box.isEmpty()) {
        QCOMPARE(f.env.boxes[0].caption, QStringLiteral("Caution"));
        QCOMPARE(f.env.boxes[0].icon, QMessageBox::Warning);
        f.pressEnter(); // Enter again with no editor open still moves on
        QCOMPARE(f.grid()->currentColumn(), 3);
        return;
    }
    // The new cell's list editor opens, on entry 0 in each case here (an empty cell, or None).
    auto* list = qobject_cast<QComboBox*>(f.view->editors().editorOf(current.y()));
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(f.document.isModified(), !before.isEmpty() || row != QStringList(8, QString()));
}

void TestView::enterNavigationWraps()
{
    Fixture f(RadioVariant::Other); // disabled grid: no editor opens, Enter still moves
    QList<QPair<int, int>> visited;
    f.grid()->setCurrentCell(15, 5);
    f.view->setFocus();
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(f.view.get(), Qt::Key_Return);
        visited << qMakePair(f.grid()->currentRow(), f.grid()->currentColumn());
    }
    // Busy Lock and Power have no width: Enter passes them by.
    const QList<QPair<int, int>> expected = {{15, 6}, {16, 1}, {16, 2}, {16, 3}, {16, 4},
                                             {16, 5}, {16, 6}, {1, 1},  {1, 2},  {1, 3}};
    QCOMPARE(visited, expected);
}

void TestView::disabledGridOpensNoEditor()
{
    Fixture f(RadioVariant::Other);
    f.clickCell(3, 1);
    for (int c = 1; c <= 8; ++c)
        QVERIFY(!f.view->editors().isOpen(c));
}

void TestView::unofferedToneIsKept()
{
    Fixture f;
    RadioImage& image = f.document.image();
    RadioImage::frequencyToBytes(14500000, image.channel(3));
    image.channel(3)[8] = 0x0F; // D017N: known to the radio, not offered in the list
    image.channel(3)[9] = 0x28;
    f.view->loadFromImage();
    QCOMPARE(f.cell(3, 3), QStringLiteral("D017N"));
    f.clickCell(3, 3);
    f.clickCell(8, 1);
    QCOMPARE(f.cell(3, 3), QStringLiteral("D017N"));
}

// A click through a channel from another band (a file of another radio) keeps it.
void TestView::passingThroughChecksNothing()
{
    Fixture f;
    RadioImage::frequencyToBytes(5000000, f.document.image().channel(3));
    f.view->loadFromImage();
    f.clickCell(3, 1);
    f.clickCell(8, 1);
    QVERIFY2(f.env.boxes.isEmpty(), qPrintable(f.env.boxTexts()));
    QCOMPARE(f.cell(3, 1), QStringLiteral("50.00000"));
}

void TestView::fillAndStoreRoundTrip()
{
    Fixture f(RadioVariant::TransmitOnly);
    RadioImage& image = f.document.image();
    RadioImage::frequencyToBytes(14500000, image.channel(1));     // Rx, hidden for this variant
    RadioImage::frequencyToBytes(14600000, image.channel(1) + 4); // Tx
    f.view->loadFromImage();
    QCOMPARE(f.row(1), (QStringList{"", "146.00000", "", "None", "Wide", "Yes", "QT/DQT", "High"}));
    f.view->leaveCommit(); // what a save does first; the hidden Rx keeps its bytes
    QCOMPARE(RadioImage::frequencyFromBytes(image.channel(1)), 14500000u);
    QCOMPARE(RadioImage::frequencyFromBytes(image.channel(1) + 4), 14600000u);
}

void TestView::productFromAndToSettings()
{
    Fixture f;
    {
        auto key = openSettingsKey(QStringLiteral("XrTest"));
        key->setValue(QStringLiteral("Type"), 1);
        key->setValue(QStringLiteral("Field"), 2);
    }
    f.view->loadFromImage(); // new document: taken from the settings
    QCOMPARE(int(f.document.image()[RadioImage::ProductType]), 1);
    QCOMPARE(int(f.document.image()[RadioImage::ProductBand]), 2);
    QCOMPARE(f.view->caption(), QStringLiteral("Test Programmer  [ Type:UHF  Fre:450-470 ]"));
    QCOMPARE(f.view->band().low, 45000000);
    QCOMPARE(f.view->band().high, 47000000);

    f.env.context.setNewDocument(false); // an opened document stores its choice
    f.document.image()[RadioImage::ProductType] = 0;
    f.document.image()[RadioImage::ProductBand] = 1;
    f.view->loadFromImage();
    auto key = openSettingsKey(QStringLiteral("XrTest"));
    QCOMPARE(key->value(QStringLiteral("Type")).toInt(), 0);
    QCOMPARE(key->value(QStringLiteral("Field")).toInt(), 1);
    QCOMPARE(f.view->band().low, 13600000);
}

// A new image holds band 2; the VHF type has two bands. The last band stands in for the
// missing one, and the image keeps its byte until Product Information stores a choice.
void TestView::bandTheTypeDoesNotHave()
{
    Fixture f(RadioVariant::ReceiveOnly, false);
    QCOMPARE(int(f.document.image()[RadioImage::ProductBand]), 2);
    QCOMPARE(f.view->caption(), QStringLiteral("Test Programmer  [ Type:VHF  Fre:136 - 174MHz ]"));
    QCOMPARE(f.view->band().low, 13600000);
    QCOMPARE(f.view->band().high, 17400000);
    QCOMPARE(int(f.document.image()[RadioImage::ProductBand]), 2);
    QVERIFY(!f.document.isModified());
}

QTEST_MAIN(TestView)
#include "test_view.moc"
