// Times a full read and a full write against the virtual radio on a pseudo-terminal
// and compares them with the least time the protocol allows:
//   unpaced: the pauses the protocol itself requires;
//   paced at 9600 baud: those pauses plus the line time of every byte (10 bits each).

#include "link/CloneTransfer.h"
#include "link/SerialPortLine.h"
#include "sim/VirtualRadio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace CloneFrames;

// Pauses of one handshake: six poll points 1 ms apart, 2 ms before each wake-up byte,
// the 140 ms wait for an early answer after the seventh byte, 1 ms before and after the
// identification request and 1 ms before the confirmation answer is read.
constexpr double HandshakePauseMs = 6 * 1 + 8 * 2 + SerialLine::readTimeoutMs(1) + 1 + 1 + 1;
// A read pauses 1 ms before each acknowledgement and before the second block of a row;
// a write 1 ms between each command and its data.
constexpr double ReadPauseMs = HandshakePauseMs + BlockCount * 1 + RowCount * 1;
constexpr double WritePauseMs = HandshakePauseMs + BlockCount * 1;
constexpr double ByteTimeMs = 10.0 * 1000.0 / SerialLine::BaudRate;

struct Run {
    double ms = 0;
    std::int64_t lineBytes = 0;
    bool ok = false;
};

Run timeOne(bool paced, bool write)
{
    VirtualRadio::Options options;
    options.paced = paced;
    TransferArea memory;
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(i * 31 + 7);
    VirtualRadio radio(memory, options);
    if (!radio.start())
        return {};
    SerialPortLine line;
    CloneTransfer transfer(line, {});
    QElapsedTimer clock;
    clock.start();
    const CloneTransfer::Result result =
        write ? transfer.write(radio.devicePath(), memory) : transfer.read(radio.devicePath());
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return {ms, radio.bytesReceived() + radio.bytesSent(), result.completed()};
}

// The median of a few runs; false when any run failed.
bool timeMedian(bool paced, bool write, int runs, Run& median)
{
    std::vector<Run> all;
    for (int i = 0; i < runs; ++i) {
        all.push_back(timeOne(paced, write));
        if (!all.back().ok)
            return false;
    }
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    median = all[all.size() / 2];
    return true;
}

bool report(bool paced, bool write, int runs)
{
    Run run;
    if (!timeMedian(paced, write, runs, run)) {
        std::printf("%-5s %-7s FAILED\n", write ? "write" : "read", paced ? "paced" : "unpaced");
        return false;
    }
    const double pauses = write ? WritePauseMs : ReadPauseMs;
    const double floor = paced ? pauses + static_cast<double>(run.lineBytes) * ByteTimeMs : pauses;
    std::printf("%-5s %-7s %8.1f ms   floor %8.1f ms (%4lld bytes on the line)   ratio %.3f\n",
                write ? "write" : "read", paced ? "paced" : "unpaced", run.ms, floor,
                static_cast<long long>(run.lineBytes), run.ms / floor);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("Full clone transfers against the virtual radio (median of runs)\n");
    bool ok = report(false, false, 5);
    ok = report(false, true, 5) && ok;
    ok = report(true, false, 3) && ok;
    ok = report(true, true, 3) && ok;
    std::printf("Target: ratio within 1.10. Paced writes can come in under 1: a pseudo-terminal\n"
                "takes the PC's bytes at once, so the 1 ms pause after a write command overlaps\n"
                "the line time of that command.\n");
    return ok ? 0 : 1;
}
