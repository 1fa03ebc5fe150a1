#include "link/CloneHandshake.h"

#include "link/CloneFrames.h"

namespace CloneHandshake {

namespace {

using namespace CloneFrames;

constexpr int WakeUpPauseMs = 2;
constexpr int PauseMs = 1;

QByteArray oneByte(std::uint8_t value)
{
    return QByteArray(1, static_cast<char>(value));
}

} // namespace

bool wakeUp(SerialLine& line)
{
    bool answered = false;
    for (int i = 0; i < static_cast<int>(WakeUp.size()); ++i) {
        line.pause(WakeUpPauseMs);
        line.clear(SerialLine::Clear::Buffers);
        line.write(oneByte(WakeUp[static_cast<std::size_t>(i)]));
        if (i + 1 == EarlyAnswerAfter)
            answered = !line.read(1).isEmpty();
    }
    return answered || !line.read(1).isEmpty();
}

Identification identify(SerialLine& line)
{
    line.pause(PauseMs);
    line.clear(SerialLine::Clear::Buffers);
    line.write(oneByte(IdentificationRequest));
    line.pause(PauseMs);
    const QByteArray reply = line.read(IdentificationSize);
    const auto* id = reinterpret_cast<const std::uint8_t*>(reply.constData());
    Identification identification;
    identification.answered = !reply.isEmpty();
    identification.variantByte = reply.size() > VariantByteIndex ? id[VariantByteIndex] : 0x00;
    identification.matches = identificationMatches(id, static_cast<int>(reply.size()));
    return identification;
}

} // namespace CloneHandshake
