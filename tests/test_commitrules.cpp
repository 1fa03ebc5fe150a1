#include "config/CommandIds.h"
#include "channels/CommitRules.h"

#include <QtTest>

using Writes = QStringList; // "col=text" in order

namespace {

Writes describe(const CommitPlan& plan)
{
    Writes out;
    for (const CellWrite& w : plan.writes)
        out << QStringLiteral("%1=%2").arg(w.col).arg(w.text);
    return out;
}

const Writes ClearRow = {"1=", "2=", "3=", "4=", "5=", "6=", "7=", "8="};

} // namespace

class TestCommitRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frequencyCommits_data();
    void frequencyCommits();
    void listColumns_data();
    void listColumns();
};

void TestCommitRules::frequencyCommits_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<int>("message");
    QTest::addColumn<Writes>("writes");
    const Writes rxDefaults = {"1=145.12500", "3=None", "5=Wide", "6=No", "7=Off", "8=High"};
    const Writes rxEnterDefaults = {"1=145.12500", "2=145.12500", "4=None", "3=None",
                                    "5=Wide",      "6=No",        "7=Off",  "8=High"};
    const int outOfRange = MessageId::OutOfRange;
    const int step = MessageId::StepValue;

    QTest::newRow("on 5 kHz, replaces") << 1 << "145.125"
                                        << "146.00000"
                                        << "" << true << 0 << Writes{"1=145.12500"};
    QTest::newRow("on 6.25 kHz") << 1 << "145.0125"
                                 << "146.00000"
                                 << "" << true << 0 << Writes{"1=145.01250"};
    QTest::newRow("off raster") << 1 << "145.0123"
                                << "146.00000"
                                << "" << true << step << ClearRow;
    QTest::newRow("upper limit") << 1 << "160"
                                 << "146.00000"
                                 << "" << true << 0 << Writes{"1=160.00000"};
    QTest::newRow("above band") << 1 << "160.005"
                                << "146.00000"
                                << "" << true << outOfRange << ClearRow;
    QTest::newRow("below band") << 1 << "129.995"
                                << "146.00000"
                                << "" << false << outOfRange << ClearRow;
    QTest::newRow("truncated") << 1 << "145.1250001"
                               << "146.00000"
                               << "" << true << 0 << Writes{"1=145.12500"};
    // The part past 10 Hz is cut off, also when it is a half or more.
    QTest::newRow("cut-off part over a half") << 1 << "145.1250099"
                                              << "146.00000"
                                              << "" << true << 0 << Writes{"1=145.12500"};
    QTest::newRow("cut-off part a half") << 1 << "145.125005"
                                         << "146.00000"
                                         << "" << true << 0 << Writes{"1=145.12500"};
    QTest::newRow("just below a raster point") << 1 << "146.006249"
                                               << "146.00000"
                                               << "" << true << step << ClearRow;
    QTest::newRow("Tx cut-off part over a half") << 2 << "150.0062599"
                                                 << "146.00000"
                                                 << "147.00000" << true << 0 << Writes{"2=150.00625"};
    QTest::newRow("decimal scaling") << 1 << "136.0125"
                                     << "146.00000"
                                     << "" << true << 0 << Writes{"1=136.01250"};
    QTest::newRow("not a number") << 1 << "abc"
                                  << "146.00000"
                                  << "" << true << outOfRange << ClearRow;
    QTest::newRow("Rx emptied deletes") << 1 << ""
                                        << "146.00000"
                                        << "146.00000" << true << 0 << ClearRow;
    QTest::newRow("Rx emptied, Enter, no Tx") << 1 << ""
                                              << "150.00000"
                                              << "" << true << 0 << ClearRow;
    QTest::newRow("Rx emptied on leave") << 1 << ""
                                         << "146.00000"
                                         << "" << false << 0 << ClearRow;
    QTest::newRow("first Rx, Enter") << 1 << "145.125"
                                     << ""
                                     << "" << true << 0 << rxEnterDefaults;
    QTest::newRow("first Rx, leave") << 1 << "145.125"
                                     << ""
                                     << "" << false << 0 << rxDefaults;
    QTest::newRow("empty Tx, Enter copies Rx") << 2 << ""
                                               << "146.00000"
                                               << "147.00000" << true << 0 << Writes{"2=146.00000"};
    QTest::newRow("empty Tx, leave clears") << 2 << ""
                                            << "146.00000"
                                            << "147.00000" << false << 0 << ClearRow;
    QTest::newRow("Tx outside, Enter") << 2 << "170"
                                       << "146.00000"
                                       << "147.00000" << true << outOfRange << ClearRow;
    QTest::newRow("Tx outside, leave") << 2 << "170"
                                       << "146.00000"
                                       << "147.00000" << false << outOfRange << Writes{"2="};
    QTest::newRow("Tx off raster, Enter") << 2 << "146.0001"
                                          << "146.00000"
                                          << "147.00000" << true << step << Writes{"2="};
    QTest::newRow("Tx off raster, leave") << 2 << "146.0001"
                                          << "146.00000"
                                          << "147.00000" << false << step << ClearRow;
    QTest::newRow("first Tx") << 2 << "150"
                              << ""
                              << "" << false << 0
                              << Writes{"2=150.00000", "4=None", "5=Wide", "6=No", "7=Off", "8=High"};
}

void TestCommitRules::frequencyCommits()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(bool, enter);
    QFETCH(int, message);
    QFETCH(Writes, writes);
    CommitInput input{col, typed, rx, tx, BandLimits{13000000, 16000000}, Language::English};
    const CommitPlan plan = planCommit(input, enter ? CommitKind::Enter : CommitKind::Leave);
    QCOMPARE(plan.messageId, message);
    QCOMPARE(plan.accepted, message == 0);
    QCOMPARE(describe(plan), writes);
}

void TestCommitRules::listColumns_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<Writes>("writes");
    QTest::newRow("empty row stays empty") << ""
                                           << "" << Writes{"5="};
    QTest::newRow("row with Rx") << "146.00000"
                                 << "" << Writes{"5=Narrow"};
    QTest::newRow("row with Tx only") << ""
                                      << "146.00000" << Writes{"5=Narrow"};
}

void TestCommitRules::listColumns()
{
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(Writes, writes);
    CommitInput input{5, QStringLiteral("Narrow"), rx, tx, BandLimits{13000000, 16000000}, Language::English};
    QCOMPARE(describe(planCommit(input, CommitKind::Enter)), writes);
    QCOMPARE(describe(planCommit(input, CommitKind::Leave)), writes);
}

QTEST_APPLESS_MAIN(TestCommitRules)
#include "test_commitrules.moc"
