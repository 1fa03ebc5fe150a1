#include "link/CloneTransfer.h"

#include "link/CloneHandshake.h"

#include <utility>

namespace {

using namespace CloneFrames;

constexpr int PauseMs = 1;

QByteArray oneByte(std::uint8_t value)
{
    return QByteArray(1, static_cast<char>(value));
}

QByteArray command(std::uint8_t code, int address)
{
    QByteArray frame(CommandSize, '\0');
    frame[0] = static_cast<char>(code);
    frame[1] = static_cast<char>((address >> 8) & 0xFF);
    frame[2] = static_cast<char>(address & 0xFF);
    frame[3] = static_cast<char>(BlockSize);
    return frame;
}

// Closes the line at every end of a transfer.
class LineCloser {
public:
    explicit LineCloser(SerialLine& line) : line_(line) {}
    ~LineCloser() { line_.close(); }
    LineCloser(const LineCloser&) = delete;
    LineCloser& operator=(const LineCloser&) = delete;

private:
    SerialLine& line_;
};

} // namespace

CloneTransfer::CloneTransfer(SerialLine& line, Hooks hooks) : line_(line), hooks_(std::move(hooks)) {}

CloneTransfer::Result CloneTransfer::read(const QString& device)
{
    TransferArea area{};
    return run(device, Direction::Read, area);
}

CloneTransfer::Result CloneTransfer::write(const QString& device, const TransferArea& area)
{
    TransferArea outgoing = area;
    return run(device, Direction::Write, outgoing);
}

CloneTransfer::Result CloneTransfer::run(const QString& device, Direction direction, TransferArea& area)
{
    Result result;
    if (!line_.open(device)) {
        result.outcome = Outcome::PortError;
        result.portError = line_.errorString();
        return result;
    }
    const LineCloser closer(line_);
    std::optional<Outcome> end = connect(result.variantByte);
    if (!end)
        end = direction == Direction::Read ? readBlocks(area) : writeBlocks(area);
    result.outcome = end.value_or(Outcome::Completed);
    // The area the caller gets back is only ever a whole one.
    if (direction == Direction::Read && result.completed())
        result.received = area;
    return result;
}

// A radio that does not wake up, or that will not confirm the handshake, is a
// Communication Error: the user (the retry hook) decides whether to try again.
std::optional<CloneTransfer::Outcome> CloneTransfer::connect(std::uint8_t& variantByte)
{
    for (;;) {
        switch (handshakeAttempt(variantByte)) {
        case Attempt::Confirmed:
            return std::nullopt;
        case Attempt::Cancelled:
            return Outcome::Cancelled;
        case Attempt::WrongRadio:
            return Outcome::RadioTypeMismatch;
        case Attempt::Unconfirmed:
            if (!hooks_.retry || !hooks_.retry())
                return Outcome::CommunicationError;
            break;
        }
    }
}

CloneTransfer::Attempt CloneTransfer::handshakeAttempt(std::uint8_t& variantByte)
{
    if (pollPoints(PollPointsBeforeHandshake, PauseMs))
        return Attempt::Cancelled;
    line_.clear(SerialLine::Clear::AbortAndBuffers);
    if (!CloneHandshake::wakeUp(line_))
        return Attempt::Unconfirmed;
    const CloneHandshake::Identification id = CloneHandshake::identify(line_);
    variantByte = id.variantByte;
    if (!id.matches)
        return Attempt::WrongRadio;

    line_.clear(SerialLine::Clear::Buffers);
    line_.write(oneByte(Ack));
    line_.clear(SerialLine::Clear::Buffers);
    line_.pause(PauseMs);
    return answeredWithAck() ? Attempt::Confirmed : Attempt::Unconfirmed;
}

std::optional<CloneTransfer::Outcome> CloneTransfer::readBlocks(TransferArea& area)
{
    for (int row = 0; row < RowCount; ++row) {
        for (int half = 0; half < BlocksPerRow; ++half) {
            if (half > 0)
                line_.pause(PauseMs);
            if (!readBlock(row * BlocksPerRow + half, area))
                return Outcome::Interrupted;
        }
        if (rowDone(row))
            return Outcome::Cancelled;
    }
    return std::nullopt;
}

bool CloneTransfer::readBlock(int block, TransferArea& area)
{
    const int address = block * BlockSize;
    line_.clear(SerialLine::Clear::Buffers);
    line_.write(command(ReadCommand, address));
    const QByteArray reply = line_.read(ReadReplySize);
    if (reply.size() < ReadReplySize)
        return false;
    for (int i = 0; i < BlockSize; ++i)
        area[static_cast<std::size_t>(address + i)] = static_cast<std::uint8_t>(reply[ReadReplyHeader + i]);

    line_.pause(PauseMs);
    line_.clear(SerialLine::Clear::Buffers);
    line_.write(oneByte(Ack));
    return answeredWithAck();
}

std::optional<CloneTransfer::Outcome> CloneTransfer::writeBlocks(const TransferArea& area)
{
    for (int row = 0; row < RowCount; ++row) {
        for (int half = 0; half < BlocksPerRow; ++half) {
            if (!writeBlock(row * BlocksPerRow + half, area))
                return Outcome::Interrupted;
        }
        if (rowDone(row))
            return Outcome::Cancelled;
    }
    return std::nullopt;
}

bool CloneTransfer::writeBlock(int block, const TransferArea& area)
{
    const int address = block * BlockSize;
    const QByteArray data(reinterpret_cast<const char*>(area.data()) + address, BlockSize);
    line_.clear(SerialLine::Clear::Buffers);
    line_.write(command(WriteCommand, address));
    line_.pause(PauseMs);
    line_.write(data);
    return answeredWithAck();
}

// Progress after each row, then a chance for the user to cancel.
bool CloneTransfer::rowDone(int row)
{
    if (hooks_.progress)
        hooks_.progress(row + 1);
    return pollPoints(PollPointsAfterRow, 0);
}

bool CloneTransfer::pollPoints(int count, int pauseMs)
{
    for (int i = 0; i < count; ++i) {
        if (hooks_.poll && hooks_.poll())
            return true;
        if (pauseMs > 0)
            line_.pause(pauseMs);
    }
    return false;
}

bool CloneTransfer::answeredWithAck()
{
    const QByteArray answer = line_.read(1);
    return answer.size() == 1 && static_cast<std::uint8_t>(answer[0]) == Ack;
}
