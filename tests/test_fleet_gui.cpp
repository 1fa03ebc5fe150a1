// The bench's window over two virtual cables on real pseudo-terminals, unpaced: the rows,
// the states, the log, the totals, Stop and the question on closing during a write. The
// bench's own rules are tested with the engine.

#include "dialogs/FleetCableModel.h"
#include "dialogs/FleetLogModel.h"
#include "dialogs/FleetWindow.h"
#include "sim/VirtualRadio.h"
#include "support/GuiTestEnv.h"
#include "support/SampleImage.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <memory>
#include <set>

class TestFleetGui : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void benchWindow();
};

void TestFleetGui::benchWindow()
{
    GuiTestEnv env;
    env.loadIni();
    const RadioImage plan = SampleImage().channel(1, 14512500, 14612500);
    VirtualRadio::Options options;
    options.turns.radios = 3;
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    for (int cable = 0; cable < 2; ++cable) {
        radios.push_back(
            std::make_unique<VirtualRadio>(CloneFrames::transferAreaOf(RadioImage::makeNew()), options));
        QString error;
        QVERIFY2(radios.back()->start(&error), qPrintable(error));
        SerialDeviceInfo device;
        device.path = radios.back()->devicePath();
        device.vendorId = 0x1a86; // a programming cable's chip
        device.productId = 0x7523;
        env.devices().addDevice(device);
    }
    FleetWindow window(plan, RadioVariant::ReceiveOnly, QStringLiteral("plan.dat"), env.context);
    window.show();
    QCOMPARE(window.cables()->rowCount(), 2);

    // Four radios, then Stop: every radio taken is finished and verified.
    std::set<QString> seen; // the states the rows showed
    FleetCableModel* cables = window.cables();
    connect(cables, &QAbstractItemModel::dataChanged, this, [&seen, cables](const QModelIndex& cell) {
        seen.insert(cables->index(cell.row(), FleetCableModel::State).data().toString());
    });
    window.startButton()->click();
    QVERIFY(window.bench()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(window.log()->rowCount() >= 4, 60000);
    window.stopButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window.bench()->isRunning(), 30000);
    QVERIFY(window.startButton()->isEnabled());
    const int radiosDone = window.log()->rowCount();
    QVERIFY(radiosDone <= 5);
    for (const FleetRecord& record : window.log()->log().records())
        QCOMPARE(record.result, FleetResult::Verified);
    QVERIFY2(window.totals()->text().startsWith(QStringLiteral("Programmed: %1 ").arg(radiosDone)),
             qPrintable(window.totals()->text()));
    for (FleetState state : {FleetState::Waiting, FleetState::Backup, FleetState::Writing,
                             FleetState::Verifying, FleetState::Remove, FleetState::Stopped})
        QVERIFY2(seen.count(fleetStateText(state, Language::English)),
                 qPrintable(QStringList(seen.begin(), seen.end()).join(QLatin1Char('|'))));
    QVERIFY(radios[0]->memory(0) == CloneFrames::transferAreaOf(plan));
    QVERIFY(window.saveLog(env.filePath(QStringLiteral("log.csv"))));
    QFile saved(env.filePath(QStringLiteral("log.csv")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), radiosDone + 1);

    // A new run; closing while a radio is being written asks, and Yes closes once it is done.
    window.startButton()->click();
    bool asked = false;
    connect(window.bench(), &FleetBench::stateChanged, this, [&](int, FleetState state, const QString&) {
        if (state != FleetState::Writing || asked)
            return;
        asked = true;
        env.answers << QMessageBox::Yes;
        window.reject();
        QVERIFY(window.isVisible());
    });
    QTRY_VERIFY_WITH_TIMEOUT(asked, 30000);
    QCOMPARE(env.boxes.size(), 1);
    QVERIFY(env.boxes.front().text.startsWith(QStringLiteral("A radio is being written.")));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 30000);
    QVERIFY(!window.bench()->isRunning());
    QVERIFY(window.log()->rowCount() >= 1);
    QCOMPARE(window.log()->log().records().back().result, FleetResult::Verified);
}

QTEST_MAIN(TestFleetGui)
#include "test_fleet_gui.moc"
