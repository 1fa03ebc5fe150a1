// The bench over real pseudo-terminals: each cable a virtual radio with radios taking
// turns on it. Per case: the states a cable went through, one log row per radio, what
// each radio holds afterwards and what its backup in the radio history holds.

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "document/ChannelFile.h"
#include "fileio/FileWriter.h"
#include "link/ScriptedSerialDevices.h"
#include "session/FleetBench.h"
#include "sim/VirtualRadio.h"
#include "support/SampleImage.h"

#include <QTemporaryDir>
#include <QtTest>
#include <map>

namespace {

struct Cable {
    Cable(int count, std::vector<std::uint8_t> variants = {}, QString faultText = {}, int latency = 0)
        : radios(count), variantBytes(std::move(variants)), fault(std::move(faultText)), latencyMs(latency)
    {
    }
    int radios;
    std::vector<std::uint8_t> variantBytes;
    QString fault;
    int latencyMs;
};
using Cables = std::vector<Cable>;

enum class Action { Run, StopWhenWriting, CancelWhenWriting };

FleetOptions options(int stopAfter, bool backup = true, bool verify = true)
{
    FleetOptions chosen;
    chosen.stopAfter = stopAfter;
    chosen.backup = backup;
    chosen.verify = verify;
    chosen.probeIntervalMs = 100;
    return chosen;
}

std::unique_ptr<VirtualRadio> makeRadio(const Cable& cable)
{
    VirtualRadio::Options setup;
    if (!cable.fault.isEmpty())
        addFault(cable.fault, setup.faults, nullptr);
    setup.turns = {cable.radios, cable.variantBytes, std::chrono::milliseconds(300)};
    setup.latency = std::chrono::milliseconds(cable.latencyMs);
    return std::make_unique<VirtualRadio>(RadioLineup::memoryOf(0), setup);
}

const std::map<FleetState, QChar> StateLetters{{FleetState::Waiting, 'w'}, {FleetState::Backup, 'B'},
                                               {FleetState::Writing, 'W'}, {FleetState::Verifying, 'V'},
                                               {FleetState::Remove, 'R'},  {FleetState::Unavailable, 'U'},
                                               {FleetState::Stopped, 'S'}};

} // namespace

Q_DECLARE_METATYPE(Cables)
Q_DECLARE_METATYPE(FleetOptions)
Q_DECLARE_METATYPE(Action)

class TestFleet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bench_data();
    void bench();
};

void TestFleet::bench_data()
{
    QTest::addColumn<Cables>("cables");
    QTest::addColumn<FleetOptions>("chosen");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("states");   // cable 0's, a letter each
    QTest::addColumn<QStringList>("rows"); // "cable/radio result", by cable and radio
    QTest::addColumn<QString>("detail");   // in the detail of each radio not programmed

    const QString interrupt = stringTableText(MessageId::ProgramInterrupt) + QLatin1Char('.');
    QTest::newRow("radio after radio") << Cables{{2}} << options(2) << Action::Run << "BWVRwBWVS"
                                       << QStringList{"0/1 verified", "0/2 verified"} << QString();
    QTest::newRow("write only") << Cables{{1}} << options(1, false, false) << Action::Run << "WS"
                                << QStringList{"0/1 written"} << QString();
    QTest::newRow("another variant refused")
        << Cables{{3, {0xFF, 0xF5, 0xFF}}} << options(3) << Action::Run << "BWVRwRwBWVS"
        << QStringList{"0/1 verified", "0/2 refused", "0/3 verified"}
        << "A transmit-only radio; the plan is for receive-only radios. Not written.";
    QTest::newRow("failure on one cable")
        << Cables{{1, {}, "no-ack=30"}, {2}} << options(3) << Action::Run << "BRwS"
        << QStringList{"0/1 failed", "1/1 verified", "1/2 verified"}
        << "Backup failed: " + interrupt + " Not written.";
    QTest::newRow("cable vanishes") << Cables{{2, {}, "vanish-at=20"}, {2}} << options(3, false)
                                    << Action::Run << "WRUS"
                                    << QStringList{"0/1 failed", "1/1 verified", "1/2 verified"}
                                    << interrupt +
                                           " The radio is half-written (10 of 51 rows): write it again.";
    QTest::newRow("stop while writing") << Cables{{2}} << options(0) << Action::StopWhenWriting << "BWVS"
                                        << QStringList{"0/1 verified"} << QString();
    QTest::newRow("cancel while writing")
        << Cables{{2, {}, {}, 20}} << options(0) << Action::CancelWhenWriting << "BWS"
        << QStringList{"0/1 failed"} << "Cancelled during the write. The radio is half-written";
}

void TestFleet::bench()
{
    QFETCH(Cables, cables);
    QFETCH(FleetOptions, chosen);
    QFETCH(Action, action);
    QFETCH(QString, states);
    QFETCH(QStringList, rows);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    const FileWriter writer;
    const ScriptedSerialDevices devices;
    const QString historyFolder = dir.filePath(QStringLiteral("history"));
    const RadioImage plan = SampleImage().channel(1, 14512500).channel(16, 44600625);
    FleetBench bench(
        plan, chosen,
        {HistoryKeeper(historyFolder, writer), devices, writer, dir.filePath(QStringLiteral("fleet"))});
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    for (const Cable& cable : cables) {
        radios.push_back(makeRadio(cable));
        QVERIFY(radios.back()->start());
        bench.addCable({radios.back()->devicePath(), {}});
    }
    QString seen;
    connect(&bench, &FleetBench::stateChanged, this, [&](int cable, FleetState state) {
        if (cable != 0 || seen.endsWith(StateLetters.at(state))) // a state again, for another reason
            return;
        seen += StateLetters.at(state);
        if (state == FleetState::Writing && action != Action::Run && seen.count('W') == 1) {
            bench.stop();
            if (action == Action::CancelWhenWriting)
                bench.stop();
        }
    });
    QSignalSpy finished(&bench, &FleetBench::finished);
    bench.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(seen, states);

    QList<FleetRecord> records = bench.log().records();
    std::sort(records.begin(), records.end(), [](const FleetRecord& a, const FleetRecord& b) {
        return std::pair(a.cable, a.radio) < std::pair(b.cable, b.radio);
    });
    QStringList ended;
    for (const FleetRecord& record : records) {
        ended << QStringLiteral("%1/%2 %3")
                     .arg(record.cable)
                     .arg(record.radio)
                     .arg(fleetResultName(record.result));
        const bool programmed =
            record.result == FleetResult::Verified || record.result == FleetResult::Written;
        if (!programmed)
            QVERIFY2(record.detail.startsWith(detail), qPrintable(record.detail));
        const VirtualRadio& radio = *radios[static_cast<std::size_t>(record.cable)];
        const auto before = RadioLineup::memoryOf(record.radio - 1);
        if (programmed)
            QVERIFY(radio.memory(record.radio - 1) == CloneFrames::transferAreaOf(plan));
        else if (!record.detail.contains(QStringLiteral("half-written")))
            QVERIFY(radio.memory(record.radio - 1) == before);
        QCOMPARE(record.backup.isEmpty(), !chosen.backup || record.result == FleetResult::Refused ||
                                              record.detail.startsWith(QStringLiteral("Backup failed")));
        if (record.backup.isEmpty())
            continue;
        RadioImage backup;
        QVERIFY(record.backup.startsWith(historyFolder));
        QVERIFY(ChannelFile::load(record.backup, backup).ok());
        QVERIFY(CloneFrames::transferAreaOf(backup) == before);
    }
    QCOMPARE(ended, rows);
    // Nothing started on the radios after the last one logged.
    for (std::size_t cable = 0; cable < cables.size(); ++cable) {
        const int logged = int(std::count_if(records.cbegin(), records.cend(), [cable](const FleetRecord& r) {
            return r.cable == int(cable);
        }));
        for (int radio = logged; radio < cables[cable].radios; ++radio)
            QVERIFY(radios[cable]->memory(radio) == RadioLineup::memoryOf(radio));
    }
    const FleetTotals totals = bench.totals();
    QCOMPARE(totals.programmed + totals.failed + totals.refused, int(records.size()));

    QFile kept(bench.keptLogPath());
    QVERIFY2(kept.fileName().startsWith(dir.filePath(QStringLiteral("fleet/"))), qPrintable(kept.fileName()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(kept.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), records.size() + 1);
    const QStringList header = lines.front().split(QLatin1Char(','));
    for (const char* column : {"Time", "Port", "Radio", "Variant", "Backup", "Result", "Detail"})
        QVERIFY2(header.contains(QLatin1String(column)), column);
}

QTEST_GUILESS_MAIN(TestFleet)
#include "test_fleet.moc"
