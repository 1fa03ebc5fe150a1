#include "sim/RadioProtocol.h"

#include <algorithm>

using namespace CloneFrames;

namespace {

constexpr std::uint8_t WrongModelByte = 0x34;
constexpr int LastBlock = BlockCount - 1;
constexpr int IdentificationsWhileWaiting = 3;

} // namespace

RadioProtocol::RadioProtocol(const TransferArea& memory, const RadioIdentity& identity,
                             const RadioFaults& faults)
    : memory_(memory), identity_(identity), faults_(faults)
{
}

RadioProtocol::Answer RadioProtocol::receive(std::uint8_t byte)
{
    // Inside a frame every byte belongs to it.
    if (state_ == State::CommandFrame || state_ == State::WriteData) {
        frame_.append(static_cast<char>(byte));
        if (state_ == State::CommandFrame && frame_.size() == CommandSize)
            return command();
        if (state_ == State::WriteData && frame_.size() == BlockSize)
            return storeBlock();
        return {};
    }
    // The wake-up string starts a new session whatever came before.
    if (wakeUpComplete(byte)) {
        state_ = State::AwaitIdRequest;
        return faults_.noWakeUpAnswer ? Answer{} : Answer{QByteArray(1, static_cast<char>(Ack))};
    }
    return receiveInState(byte);
}

RadioProtocol::Answer RadioProtocol::receiveInState(std::uint8_t byte)
{
    switch (state_) {
    case State::AwaitIdRequest:
        if (byte == IdentificationRequest) {
            state_ = State::AwaitConfirmation;
            return identification();
        }
        return {};
    case State::AwaitConfirmation:
        return byte == Ack ? confirmation() : Answer{};
    case State::AwaitReadAck:
        if (byte == Ack) {
            state_ = State::Ready;
            readBackAfterWrite_ = readBackAfterWrite_ || (wholeWrite_ && block_ == LastBlock);
            return ackUnlessMissing();
        }
        [[fallthrough]];
    case State::Ready:
        // A command byte that carries on a wake-up string ("PROGRAM" holds an R) is not
        // a command.
        if ((byte == ReadCommand || byte == WriteCommand) && wakeUpMatched_ == 0) {
            frame_ = QByteArray(1, static_cast<char>(byte));
            state_ = State::CommandFrame;
        }
        return {};
    default:
        return {};
    }
}

bool RadioProtocol::wakeUpComplete(std::uint8_t byte)
{
    if (byte == WakeUp[wakeUpMatched_])
        ++wakeUpMatched_;
    else
        wakeUpMatched_ = byte == WakeUp[0] ? 1 : 0;
    if (wakeUpMatched_ < WakeUp.size())
        return false;
    wakeUpMatched_ = 0;
    return true;
}

bool RadioProtocol::doneWith() const
{
    return readBackAfterWrite_ || unconfirmedIdentifications_ >= IdentificationsWhileWaiting;
}

RadioProtocol::Answer RadioProtocol::identification()
{
    ++unconfirmedIdentifications_;
    QByteArray reply;
    reply.append(static_cast<char>(IdByte1));
    reply.append(static_cast<char>(faults_.wrongIdentification ? WrongModelByte : identity_.modelByte));
    reply.append(static_cast<char>(IdByte3));
    reply.append(static_cast<char>(IdByte4));
    reply.append(static_cast<char>(IdByte5));
    reply.append('\0'); // bytes 6 and 7 are not examined
    reply.append('\0');
    reply.append(static_cast<char>(identity_.variantByte));
    return {reply.left(faults_.identificationLength), false};
}

RadioProtocol::Answer RadioProtocol::confirmation()
{
    if (confirmationsRefused_ < faults_.refusedConfirmations) {
        ++confirmationsRefused_;
        state_ = State::Idle;
        return {QByteArray(1, static_cast<char>(Refusal)), true};
    }
    state_ = State::Ready;
    unconfirmedIdentifications_ = 0;
    return {QByteArray(1, static_cast<char>(Ack)), true};
}

RadioProtocol::Answer RadioProtocol::command()
{
    const auto code = static_cast<std::uint8_t>(frame_[0]);
    const int address = (static_cast<std::uint8_t>(frame_[1]) << 8) | static_cast<std::uint8_t>(frame_[2]);
    const bool valid = static_cast<std::uint8_t>(frame_[3]) == BlockSize && address % BlockSize == 0 &&
                       address + BlockSize <= TransferSize;
    state_ = State::Ready;
    if (!valid)
        return {};
    block_ = address / BlockSize;
    if (block_ == faults_.vanishAtBlock)
        return {{}, false, true};
    if (code == WriteCommand) {
        frame_.clear();
        state_ = State::WriteData;
        return {};
    }
    if (silent())
        return {};
    state_ = State::AwaitReadAck;
    return readReply();
}

RadioProtocol::Answer RadioProtocol::readReply() const
{
    const int address = block_ * BlockSize;
    // The four bytes ahead of the data are not examined by the PC; the radio repeats
    // the block's address in them.
    QByteArray reply;
    reply.append(static_cast<char>(WriteCommand));
    reply.append(static_cast<char>(address >> 8));
    reply.append(static_cast<char>(address & 0xFF));
    reply.append(static_cast<char>(BlockSize));
    reply.append(reinterpret_cast<const char*>(memory_.data()) + address, BlockSize);
    if (block_ == faults_.shortReplyAtBlock)
        reply.chop(1);
    return {reply, false};
}

RadioProtocol::Answer RadioProtocol::storeBlock()
{
    state_ = State::Ready;
    if (silent() || block_ == faults_.missingAckAtBlock)
        return {};
    const int stuck = faults_.stuckByte;
    const std::uint8_t kept = stuck >= 0 ? memory_[static_cast<std::size_t>(stuck)] : 0;
    std::copy(frame_.cbegin(), frame_.cend(), memory_.begin() + block_ * BlockSize);
    if (stuck >= 0)
        memory_[static_cast<std::size_t>(stuck)] = kept;
    wholeWrite_ = wholeWrite_ || block_ == LastBlock;
    return {QByteArray(1, static_cast<char>(Ack)), false};
}

RadioProtocol::Answer RadioProtocol::ackUnlessMissing() const
{
    if (block_ == faults_.missingAckAtBlock)
        return {};
    return {QByteArray(1, static_cast<char>(Ack)), false};
}

bool RadioProtocol::silent() const
{
    return faults_.silentFromBlock >= 0 && block_ >= faults_.silentFromBlock;
}
