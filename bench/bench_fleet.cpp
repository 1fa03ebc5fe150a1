// The dealer's bench against virtual radios paced at 9600 baud:
//   one radio backed up, written and verified, against the least time the protocol allows
//   (the pauses it requires and the line time of every byte);
//   8 radios on 1, 2 and 4 cables, in radios per minute, and the speed-up over one cable;
//   one read through an adapter whose latency timer holds each answer 16 ms, against 1 ms.

#include "link/CloneTransfer.h"
#include "link/SerialDevices.h"
#include "link/SerialPortLine.h"
#include "session/FleetBench.h"
#include "sim/VirtualRadio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace CloneFrames;

// Pauses of one handshake: six poll points 1 ms apart, 2 ms before each wake-up byte, the
// 140 ms wait for an early answer after the seventh byte, 1 ms before and after the
// identification request and 1 ms before the confirmation answer is read. The look for a
// radio is the same without the poll points and the confirmation.
constexpr double HandshakePauseMs = 6 * 1 + 8 * 2 + SerialLine::readTimeoutMs(1) + 1 + 1 + 1;
constexpr double ProbePauseMs = 8 * 2 + SerialLine::readTimeoutMs(1) + 1 + 1;
constexpr double ReadPauseMs = HandshakePauseMs + BlockCount * 1 + RowCount * 1;
constexpr double WritePauseMs = HandshakePauseMs + BlockCount * 1;
constexpr double ByteTimeMs = 10.0 * 1000.0 / SerialLine::BaudRate;
constexpr int RemovedForMs = 1500; // as xr970-cli simulate --radios

struct BenchRun {
    double ms = 0;
    std::int64_t lineBytes = 0;
    int programmed = 0;
};

// Runs a bench of one cable per radio line until it handled count radios.
BenchRun runBench(int cables, int radiosPerCable)
{
    VirtualRadio::Options options;
    options.paced = true;
    options.turns.radios = radiosPerCable;
    options.turns.removedFor = std::chrono::milliseconds(RemovedForMs);
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    for (int i = 0; i < cables; ++i) {
        radios.push_back(std::make_unique<VirtualRadio>(RadioLineup::memoryOf(i + 100), options));
        if (!radios.back()->start())
            return {};
    }
    QTemporaryDir folder;
    const FileWriter writer;
    const std::unique_ptr<SerialDevices> devices = makeSerialDevices();
    FleetOptions fleet;
    fleet.stopAfter = cables * radiosPerCable;
    FleetBench bench(RadioImage::makeNew(), fleet,
                     {HistoryKeeper(folder.filePath(QStringLiteral("history")), writer), *devices, writer,
                      folder.filePath(QStringLiteral("fleet"))});
    for (const auto& radio : radios)
        bench.addCable({radio->devicePath(), {}});
    QEventLoop loop;
    QObject::connect(&bench, &FleetBench::finished, &loop, &QEventLoop::quit);
    bench.start();
    loop.exec();
    BenchRun run{static_cast<double>(bench.elapsedMs()), 0, bench.totals().programmed};
    for (const auto& radio : radios)
        run.lineBytes += radio->bytesReceived() + radio->bytesSent();
    return run;
}

bool reportOneRadio()
{
    const BenchRun run = runBench(1, 1);
    if (run.programmed != 1) {
        std::printf("one radio               FAILED\n");
        return false;
    }
    const double floor = ProbePauseMs + ReadPauseMs + WritePauseMs + ReadPauseMs +
                         static_cast<double>(run.lineBytes) * ByteTimeMs;
    std::printf("one radio (look, backup, write, verify)  %8.1f ms   floor %8.1f ms (%lld bytes)   ratio %.3f\n",
                run.ms, floor, static_cast<long long>(run.lineBytes), run.ms / floor);
    return true;
}

bool reportCables()
{
    constexpr int Radios = 8;
    double perMinuteOnOne = 0;
    bool ok = true;
    for (const int cables : {1, 2, 4}) {
        const BenchRun run = runBench(cables, Radios / cables);
        if (run.programmed != Radios) {
            std::printf("%d radios on %d cable(s)   FAILED (%d programmed)\n", Radios, cables, run.programmed);
            ok = false;
            continue;
        }
        const double perMinute = Radios * 60000.0 / run.ms;
        if (cables == 1)
            perMinuteOnOne = perMinute;
        std::printf("%d radios on %d cable(s)  %8.1f s   %5.2f radios/min   speed-up %.2f\n", Radios, cables,
                    run.ms / 1000.0, perMinute, perMinuteOnOne > 0 ? perMinute / perMinuteOnOne : 0.0);
    }
    std::printf("Goal: 4 cables at least 3.6 times the radios per minute of one.\n");
    return ok;
}

double timedRead(int latencyMs)
{
    VirtualRadio::Options options;
    options.paced = true;
    options.latency = std::chrono::milliseconds(latencyMs);
    VirtualRadio radio(RadioLineup::memoryOf(7), options);
    if (!radio.start())
        return -1;
    SerialPortLine line;
    CloneTransfer transfer(line, {});
    QElapsedTimer clock;
    clock.start();
    return transfer.read(radio.devicePath()).completed() ? static_cast<double>(clock.nsecsElapsed()) / 1e6 : -1;
}

bool reportLatency()
{
    const double slow = timedRead(16);
    const double fast = timedRead(1);
    if (slow < 0 || fast < 0) {
        std::printf("read through an adapter   FAILED\n");
        return false;
    }
    std::printf("one read, latency timer 16 ms  %8.1f ms\none read, latency timer  1 ms  %8.1f ms   (%.2f times "
                "faster)\n",
                slow, fast, slow / fast);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("The bench of many radios, virtual radios paced at 9600 baud\n");
    bool ok = reportOneRadio();
    ok = reportCables() && ok;
    ok = reportLatency() && ok;
    return ok ? 0 : 1;
}
