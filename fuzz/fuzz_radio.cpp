// The radio's side of the clone protocol fed any bytes a PC might send.
//
// Input: byte 0 picks a fault of the virtual radio, byte 1 its block, count or byte,
// byte 2 (bit 0) the model byte of the identification; the rest goes to the radio one
// byte at a time, as the line delivers it.
#include "FuzzCheck.h"
#include "FuzzPatternArea.h"
#include "sim/RadioProtocol.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace CloneFrames;

RadioFaults faultsFrom(std::uint8_t kind, std::uint8_t parameter)
{
    RadioFaults faults;
    switch (kind % 9) {
    case 1:
        faults.refusedConfirmations = parameter % 4;
        break;
    case 2:
        faults.shortReplyAtBlock = parameter % BlockCount;
        break;
    case 3:
        faults.missingAckAtBlock = parameter % BlockCount;
        break;
    case 4:
        faults.silentFromBlock = parameter % BlockCount;
        break;
    case 5:
        faults.stuckByte = parameter * 3 % TransferSize;
        break;
    case 6:
        faults.identificationLength = parameter % IdentificationSize;
        break;
    case 7:
        faults.noWakeUpAnswer = true;
        break;
    case 8:
        faults.wrongIdentification = true;
        break;
    default:
        break;
    }
    return faults;
}

// A change of memory: one block, stored with an acknowledgement, never the stuck byte.
void checkStore(const TransferArea& before, const TransferArea& after, const QByteArray& answer, int stuck)
{
    const auto first = std::mismatch(before.cbegin(), before.cend(), after.cbegin()).first - before.cbegin();
    const auto last =
        before.size() - 1 -
        (std::mismatch(before.crbegin(), before.crend(), after.crbegin()).first - before.crbegin());
    fuzzCheck(answer == QByteArray(1, static_cast<char>(Ack)), "memory changed without an acknowledgement");
    fuzzCheck(first / BlockSize == static_cast<long>(last) / BlockSize, "one write changed two blocks");
    fuzzCheck(stuck < 0 || before[static_cast<std::size_t>(stuck)] == after[static_cast<std::size_t>(stuck)],
              "the stuck byte took a write");
}

// A read reply repeats the block's address and carries the block as the memory holds it.
void checkReadReply(const QByteArray& reply, const TransferArea& memory)
{
    const int address = static_cast<std::uint8_t>(reply[1]) * 256 + static_cast<std::uint8_t>(reply[2]);
    fuzzCheck(reply[0] == static_cast<char>(WriteCommand) && reply[3] == BlockSize, "a malformed read reply");
    fuzzCheck(address % BlockSize == 0 && address + BlockSize <= TransferSize,
              "a read reply outside the area");
    fuzzCheck(std::memcmp(reply.constData() + ReadReplyHeader, memory.data() + address,
                          static_cast<std::size_t>(reply.size() - ReadReplyHeader)) == 0,
              "a read reply that is not the memory");
}

void checkAnswer(const QByteArray& answer, const QByteArray& identification, const TransferArea& memory)
{
    const qsizetype size = answer.size();
    const bool ackOrRefusal = size == 1 && (answer[0] == static_cast<char>(Ack) ||
                                            answer[0] == static_cast<char>(RadioProtocol::Refusal));
    if (size > IdentificationSize)
        checkReadReply(answer, memory);
    else if (size > 0 && !ackOrRefusal)
        fuzzCheck(identification.startsWith(answer),
                  "an answer that is neither 0x06, 0x15 nor the radio's name");
}

// All eight bytes the radio identifies itself with; a short reply is a prefix of them.
QByteArray identificationOf(const RadioIdentity& identity, const RadioFaults& faults)
{
    constexpr std::uint8_t AnotherModel = 0x34;
    const std::uint8_t bytes[IdentificationSize] = {
        IdByte1, faults.wrongIdentification ? AnotherModel : identity.modelByte,
        IdByte3, IdByte4,
        IdByte5, 0,
        0,       identity.variantByte};
    return QByteArray(reinterpret_cast<const char*>(bytes), IdentificationSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    static const TransferArea initial = fuzzPatternArea();
    const RadioFaults faults = faultsFrom(data[0], data[1]);
    RadioIdentity identity;
    identity.modelByte = (data[2] & 1) ? IdByte2B : IdByte2A;
    const QByteArray identification = identificationOf(identity, faults);
    RadioProtocol radio(initial, identity, faults);
    TransferArea before = initial;
    for (std::size_t i = 3; i < size; ++i) {
        const RadioProtocol::Answer answer = radio.receive(data[i]);
        const TransferArea& after = radio.memory();
        if (after != before) {
            checkStore(before, after, answer.bytes, faults.stuckByte);
            before = after;
        }
        checkAnswer(answer.bytes, identification, after);
    }
    return 0;
}
