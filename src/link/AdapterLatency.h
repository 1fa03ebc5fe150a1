#pragma once

#include <QString>
#include <optional>

// USB serial adapters hold the bytes they received until their latency timer runs out
// (16 ms by default on FTDI chips) or their buffer fills. The radio answers every block
// twice, so a read over such a cable would take about twice its line time.
namespace AdapterLatency {

// Asks the driver of an open serial device for low latency (ASYNC_LOW_LATENCY), where it
// takes it. A pseudo-terminal or a driver that refuses keeps its way, and nothing is said:
// the transfer works either way, only slower.
void requestLowLatency(int fd);

// The latency timer of a device node, in ms, where its driver shows one in sysfs
// (sysRoot/class/tty/<name>/device/latency_timer).
std::optional<int> latencyTimerMs(const QString& node, const QString& sysRoot = QStringLiteral("/sys"));

} // namespace AdapterLatency
