#include "app/CsvCommands.h"
#include "config/CommandIds.h"
#include "csv/CsvExport.h"
#include "dialogs/CsvImportDialog.h"
#include "document/ChannelDocument.h"
#include "support/FailingWriter.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>

#include <cstring>

namespace {

// Opens a file whose band is 136 - 174MHz (type 1, band index 1 of "130 - 160MHz|136 - 174MHz").
bool openInBand(StartedProgram& s)
{
    RadioImage image = RadioImage::makeNew();
    image[RadioImage::ProductBand] = 1;
    return s.ok && s.docs().openDocument(s.saveFile(QStringLiteral("start.dat"), image));
}

ChannelDocument& document(const StartedProgram& s)
{
    return *s.view()->document();
}

CsvCommands& csv(const StartedProgram& s)
{
    return s.mainWindow()->csvCommands();
}

QString writeList(const StartedProgram& s, const QByteArray& text)
{
    return s.writeFile(QStringLiteral("list.csv"), text);
}

// What the report showed, and which button answered it.
struct ReportSeen {
    QString title;
    QString summary;
    QStringList headers;
    QStringList results;
    bool acceptEnabled = false;
};

void answerReport(bool accept, ReportSeen& seen)
{
    answerDialog<CsvImportDialog>([accept, &seen](CsvImportDialog& dialog) {
        seen.title = dialog.windowTitle();
        seen.summary = dialog.findChild<QLabel*>(QStringLiteral("summary"))->text();
        QTableWidget* table = dialog.table();
        for (int c = 0; c < table->columnCount(); ++c)
            seen.headers << table->horizontalHeaderItem(c)->text();
        for (int r = 0; r < table->rowCount(); ++r)
            seen.results << table->item(r, 0)->text() + QLatin1Char(' ') + table->item(r, 2)->text();
        seen.acceptEnabled = dialog.acceptButton()->isEnabled();
        if (accept)
            dialog.acceptButton()->click();
        else
            dialog.reject();
    });
}

const QByteArray ListCsv = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Skip\r\n"
                           "1,146.520000,,0,TSQL,,88.5,NFM,\r\n"
                           "3,180.000000,,0,,,,FM,\r\n"
                           "4,147.000000,+,0.6,,,,FM,S\r\n";

} // namespace

class TestCsvGui : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileMenuHasTheCommands();
    void acceptedImportRefillsTheGrid();
    void cancelledImportChangesNothing();
    void nothingToTake();
    void refusedForOtherRadios();
    void notAChannelList();
    void exportWritesTheGrid();
    void exportNamesWhatItLeftOut();
    void exportOntoAFullDisk();
    void chineseReport();
    void importIsOneUndoStep();
    void droppedListOpensTheReport();
};

void TestCsvGui::fileMenuHasTheCommands()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    QMenu* file = s.mainWindow()->menuBar()->actions().at(0)->menu();
    QStringList items;
    for (QAction* item : file->actions())
        items << item->text();
    QVERIFY2(items.join(QLatin1Char('|'))
                 .contains(QStringLiteral("Save &As...||&Import Channels...|&Export Channels...||&Print...")),
             qPrintable(items.join(QLatin1Char('|'))));
    for (int id : {CommandId::ImportChannels, CommandId::ExportChannels}) {
        QAction* action = s.mainWindow()->action(id);
        QVERIFY(action->isEnabled());
        QVERIFY(!action->statusTip().isEmpty());
        QVERIFY(!action->toolTip().isEmpty());
    }
    QCOMPARE(s.mainWindow()->action(CommandId::ExportChannels)->statusTip(),
             QStringLiteral("Write the channels in use to a CSV channel list"));
}

void TestCsvGui::acceptedImportRefillsTheGrid()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    s.typeWithoutEnter(2, QStringLiteral("150.0125")); // not yet committed
    ReportSeen seen;
    answerReport(true, seen);
    QVERIFY(csv(s).importFile(*s.view(), writeList(s, ListCsv)));
    QCOMPARE(seen.title, QStringLiteral("Import Channels"));
    QVERIFY2(seen.summary.endsWith(QStringLiteral("Rows taken: 2, rows refused: 1.")),
             qPrintable(seen.summary));
    QCOMPARE(seen.headers, (QStringList{"Line", "Location", "Result"}));
    QCOMPARE(seen.results, (QStringList{"2 Taken as channel 1",
                                        "3 Receive frequency 180 MHz is outside the band 136 - 174 MHz",
                                        "4 Taken as channel 4"}));
    QVERIFY(seen.acceptEnabled);
    // The taken rows, and the value that was still in the editor, are in the grid.
    QCOMPARE(s.cell(1, 1), QStringLiteral("146.52000"));
    QCOMPARE(s.cell(1, 3), QStringLiteral("88.5"));
    QCOMPARE(s.cell(1, 5), QStringLiteral("Narrow"));
    QCOMPARE(s.cell(1, 6), QStringLiteral("Yes"));
    QCOMPARE(s.cell(2, 1), QStringLiteral("150.01250"));
    QCOMPARE(s.cell(3, 1), QString());
    QCOMPARE(s.cell(4, 1), QStringLiteral("147.00000"));
    QCOMPARE(s.cell(4, 6), QStringLiteral("No"));
    QCOMPARE(s.cell(4, 2), QString()); // receive-only: no Tx
    QVERIFY(document(s).isModified());
    QCOMPARE(RadioImage::frequencyFromBytes(document(s).image().channel(4)), 14700000u);
    QVERIFY2(s.env.boxes.isEmpty(), qPrintable(s.env.boxTexts()));
}

void TestCsvGui::cancelledImportChangesNothing()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    const RadioImage before = document(s).image();
    ReportSeen seen;
    answerReport(false, seen);
    QVERIFY(!csv(s).importFile(*s.view(), writeList(s, ListCsv)));
    QCOMPARE(seen.results.size(), 3);
    QVERIFY(document(s).image() == before);
    QVERIFY(!document(s).isModified());
    QCOMPARE(s.cell(1, 1), QString());
}

void TestCsvGui::nothingToTake()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    ReportSeen seen;
    answerReport(false, seen);
    QVERIFY(!csv(s).importFile(*s.view(), writeList(s, "Location,Frequency\n1,99\n2,abc\n")));
    QVERIFY(!seen.acceptEnabled);
    QCOMPARE(seen.results, (QStringList{"2 Receive frequency 99 MHz is outside the band 136 - 174 MHz",
                                        "3 Frequency \"abc\" is not a number"}));
}

void TestCsvGui::refusedForOtherRadios()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    s.context().setRadioVariant(RadioVariant::Other);
    const bool imported = csv(s).importFile(*s.view(), writeList(s, ListCsv));
    QVERIFY(!imported);
    QCOMPARE(s.env.boxes.size(), 1);
    QCOMPARE(s.env.boxes[0].text, QStringLiteral("The channels of this radio type cannot be edited."));
}

void TestCsvGui::notAChannelList()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    QVERIFY(!csv(s).importFile(*s.view(), writeList(s, "just,some\ntext\n")));
    QVERIFY(!csv(s).importFile(*s.view(), s.env.filePath(QStringLiteral("missing.csv"))));
    QCOMPARE(s.env.boxes.size(), 2);
    QVERIFY(s.env.boxes[0].text.startsWith(QStringLiteral("The file is not a channel list")));
    QVERIFY(s.env.boxes[1].text.contains(QStringLiteral("missing.csv")));
    QVERIFY(!document(s).isModified());
}

void TestCsvGui::exportWritesTheGrid()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    s.typeWithoutEnter(2, QStringLiteral("145.0125"));
    const QString path = s.env.filePath(QStringLiteral("out.csv"));
    QVERIFY(csv(s).exportFile(*s.view(), path));
    const QByteArray written = readFile(path);
    QCOMPARE(written, exportChannelsCsv(document(s).image(), RadioVariant::ReceiveOnly).text);
    QVERIFY2(written.contains("\r\n2,,145.012500,off,"), written.constData());
    // A folder that does not exist: the message names the file.
    QVERIFY(!csv(s).exportFile(*s.view(), s.env.filePath(QStringLiteral("no/such/dir/out.csv"))));
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.contains(QStringLiteral("out.csv")));
}

void TestCsvGui::exportNamesWhatItLeftOut()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    s.context().setRadioVariant(RadioVariant::Other);
    std::uint8_t* record = document(s).image().channel(3);
    RadioImage::frequencyToBytes(14652000, record + RadioImage::RecTxFreq); // transmits only
    record[RadioImage::RecEncodeTone] = 0xE9;                               // 100.1 Hz, none of the 50 tones
    record[RadioImage::RecEncodeTone + 1] = 0x03;
    s.view()->loadFromImage();
    const QString path = s.env.filePath(QStringLiteral("out.csv"));
    QVERIFY(csv(s).exportFile(*s.view(), path));
    QCOMPARE(s.env.boxes.size(), 1);
    QCOMPARE(s.env.boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(s.env.boxes[0].text.split(QLatin1Char('\n')).mid(1),
             QStringList{
                 "Channel 3 was left out: it only transmits (146.52 MHz), which a channel list cannot say"});
    QCOMPARE(readFile(path).count("\r\n"), 1); // the header alone
}

void TestCsvGui::exportOntoAFullDisk()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    const QString path = s.writeFile(QStringLiteral("old.csv"), "old list\n");
    FailingWriter full(4);
    s.context().setFileWriter(full);
    QVERIFY(!csv(s).exportFile(*s.view(), path));
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.contains(QStringLiteral("old.csv")));
    QVERIFY(s.env.boxes[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QCOMPARE(readFile(path), QByteArray("old list\n"));
}

void TestCsvGui::chineseReport()
{
    StartedProgram s(StartedProgram::ini("Chinese"));
    QVERIFY(openInBand(s));
    ReportSeen seen;
    answerReport(true, seen);
    QVERIFY(csv(s).importFile(*s.view(), writeList(s, ListCsv)));
    QCOMPARE(seen.title, QStringLiteral("导入信道"));
    QCOMPARE(seen.headers, (QStringList{"行号", "位置", "结果"}));
    QCOMPARE(seen.results, (QStringList{"2 已作为信道 1 接受", "3 接收频率 180 MHz 超出频段 136 - 174 MHz",
                                        "4 已作为信道 4 接受"}));
    QVERIFY(seen.summary.endsWith(QStringLiteral("接受 2 行，拒绝 1 行。")));
    QCOMPARE(s.cell(1, 5), QStringLiteral("窄"));
}

// The typed value is a step of its own; the import one more, whose undo puts back the
// grid and the image as they were before it.
void TestCsvGui::importIsOneUndoStep()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    s.typeWithoutEnter(2, QStringLiteral("150.0125"));
    ReportSeen seen;
    answerReport(true, seen);
    s.view()->leaveCommit();
    const ViewState before = s.view()->state();
    QVERIFY(csv(s).importFile(*s.view(), writeList(s, ListCsv)));
    const ViewState after = s.view()->state();
    QCOMPARE(s.view()->undoStack()->count(), 2);
    s.view()->undoStack()->undo();
    QVERIFY(s.view()->state().sameData(before));
    QCOMPARE(s.cell(1, 1), QString());
    QCOMPARE(s.cell(2, 1), QStringLiteral("150.01250"));
    s.view()->undoStack()->undo();
    QVERIFY(!document(s).isModified());
    s.view()->undoStack()->redo();
    s.view()->undoStack()->redo();
    QVERIFY(s.view()->state().sameData(after));
}

void TestCsvGui::droppedListOpensTheReport()
{
    StartedProgram s;
    QVERIFY(openInBand(s));
    ReportSeen seen;
    answerReport(true, seen);
    QVERIFY(s.dropFile(writeList(s, ListCsv)));
    QCOMPARE(seen.title, QStringLiteral("Import Channels"));
    QCOMPARE(s.cell(1, 1), QStringLiteral("146.52000"));
}

QTEST_MAIN(TestCsvGui)
#include "test_csv_gui.moc"
