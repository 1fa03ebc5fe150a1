#pragma once

#include "link/CloneFrames.h"
#include "link/SerialLine.h"
#include "model/RadioVariant.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// One clone transfer with the radio: opens the line, wakes and identifies the radio,
// then reads or writes the 816-byte transfer area in 102 blocks of 8 bytes, and closes
// the line again at every end. It touches no document: a read hands back the received
// area only when all blocks arrived, so a failed or cancelled read changes nothing.
class CloneTransfer {
public:
    using TransferArea = CloneFrames::TransferArea;

    enum class Outcome {
        Completed,
        Cancelled,          // the poll hook reported a cancel; no message
        PortError,          // 61453: the device could not be opened
        CommunicationError, // 61451: no wake-up answer or no confirmation, and the retry hook gave up
        Interrupted,        // 61454: a block went wrong
        RadioTypeMismatch   // the identification does not name this radio; no retry
    };

    struct Hooks {
        // A poll point: lets the user interface handle what is pending. True when the
        // user has cancelled; the transfer then ends at once.
        std::function<bool()> poll;
        // After each row of 16 bytes: the rows done so far, 1 to 51.
        std::function<void(int rows)> progress;
        // Communication Error (61451), asked with Retry and Cancel after each handshake
        // the radio did not answer or did not confirm: true to run the handshake again on
        // the open line. Without this hook the transfer gives up.
        std::function<bool()> retry;
    };

    struct Result {
        Outcome outcome = Outcome::Cancelled;
        // Byte 8 of the last identification reply; 0x00 when the reply was shorter.
        std::uint8_t variantByte = 0;
        // A completed read: the radio's transfer area.
        std::optional<TransferArea> received;
        // PortError: why the device would not open.
        QString portError;

        bool completed() const { return outcome == Outcome::Completed; }
        RadioVariant variant() const { return radioVariantFromIdByte(variantByte); }
    };

    static constexpr int PollPointsBeforeHandshake = 6;
    static constexpr int PollPointsAfterRow = 5;

    CloneTransfer(SerialLine& line, Hooks hooks);

    Result read(const QString& device);
    Result write(const QString& device, const TransferArea& area);

private:
    enum class Attempt { Confirmed, Unconfirmed, WrongRadio, Cancelled };
    enum class Direction { Read, Write };

    Result run(const QString& device, Direction direction, TransferArea& area);
    std::optional<Outcome> connect(std::uint8_t& variantByte);
    Attempt handshakeAttempt(std::uint8_t& variantByte);
    std::optional<Outcome> readBlocks(TransferArea& area);
    std::optional<Outcome> writeBlocks(const TransferArea& area);
    bool readBlock(int block, TransferArea& area);
    bool writeBlock(int block, const TransferArea& area);
    bool rowDone(int row);
    bool pollPoints(int count, int pauseMs);
    bool answeredWithAck();

    SerialLine& line_;
    Hooks hooks_;
};
