// The PC's side of the clone transfer with arbitrary radio bytes on the line.
//
// Input: byte 0 sets the direction (bit 0: 1 = write), the Retry answers the user gives
// after a Communication Error (bits 1-2: 0 to 3 times) and whether the port opens (bit 3:
// 1 = it does not); byte 1 is the poll point at which the user cancels (0 = never). The
// rest is what the radio sends: each read of N bytes takes one length byte L and then
// min(L, N) bytes, fewer where the input ends. A well-behaved radio has L = N throughout.
#include "FuzzCheck.h"
#include "FuzzPatternArea.h"
#include "link/CloneTransfer.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace CloneFrames;

// Answers each read from the fuzz input, never waits, and checks what the transfer sends.
class FuzzLine final : public SerialLine {
public:
    FuzzLine(const std::uint8_t* radio, std::size_t size, const TransferArea& outgoing)
        : radio_(radio), size_(size), outgoing_(outgoing)
    {
    }

    bool open(const QString&) override
    {
        fuzzCheck(!openCalled_, "the line was opened twice");
        openCalled_ = true;
        open_ = opened_ = openAllowed_;
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    QString errorString() const override { return QStringLiteral("No such file or directory"); }
    void clear(Clear) override { fuzzCheck(open_, "clear() on a closed line"); }
    void pause(int ms) override { fuzzCheck(open_ && ms >= 0, "pause() on a closed line"); }
    void write(const QByteArray& bytes) override;
    QByteArray read(int count) override;

    void refuseOpen() { openAllowed_ = false; }
    bool wasOpened() const { return opened_; }
    int blocksMoved() const { return nextAddress_ / BlockSize; }
    // The blocks as the radio sent them.
    const TransferArea& radioArea() const { return radioArea_; }
    // The identification reply that was read last, empty when none was.
    const QByteArray& identification() const { return identification_; }

private:
    const std::uint8_t* radio_;
    std::size_t size_;
    const TransferArea& outgoing_;
    bool openAllowed_ = true;
    bool openCalled_ = false;
    bool opened_ = false;
    bool open_ = false;
    TransferArea radioArea_{};
    int nextAddress_ = 0;
    std::uint8_t lastCommand_ = 0;
    QByteArray identification_;
};

void FuzzLine::write(const QByteArray& bytes)
{
    fuzzCheck(open_, "write() on a closed line");
    if (bytes.size() == CommandSize) {
        const auto code = static_cast<std::uint8_t>(bytes[0]);
        const int address = static_cast<std::uint8_t>(bytes[1]) * 256 + static_cast<std::uint8_t>(bytes[2]);
        fuzzCheck(code == ReadCommand || code == WriteCommand, "an unknown command");
        fuzzCheck(address == nextAddress_ && bytes[3] == BlockSize, "blocks out of order");
        lastCommand_ = code;
        nextAddress_ += BlockSize;
    } else if (bytes.size() == BlockSize) {
        const int address = nextAddress_ - BlockSize;
        fuzzCheck(lastCommand_ == WriteCommand &&
                      std::memcmp(bytes.constData(), outgoing_.data() + address, BlockSize) == 0,
                  "a block went out that is not the document's");
    } else {
        fuzzCheck(bytes.size() == 1, "a write of unexpected length");
    }
}

QByteArray FuzzLine::read(int count)
{
    fuzzCheck(open_ && count > 0, "read() on a closed line");
    QByteArray answer;
    if (size_ > 0) {
        const std::size_t length =
            std::min<std::size_t>({radio_[0], static_cast<std::size_t>(count), size_ - 1});
        answer = QByteArray(reinterpret_cast<const char*>(radio_ + 1), static_cast<qsizetype>(length));
        radio_ += length + 1;
        size_ -= length + 1;
    }
    if (count == IdentificationSize)
        identification_ = answer;
    fuzzCheck(count != ReadReplySize || lastCommand_ == ReadCommand, "a block read without a read command");
    if (count == ReadReplySize && answer.size() == ReadReplySize)
        std::memcpy(radioArea_.data() + nextAddress_ - BlockSize, answer.constData() + ReadReplyHeader,
                    BlockSize);
    return answer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool writing = data[0] & 1;
    const int retriesAllowed = (data[0] >> 1) & 3;
    const int cancelAtPoll = data[1];
    static const TransferArea outgoing = fuzzPatternArea();

    FuzzLine line(data + 2, size - 2, outgoing);
    if (data[0] & 8)
        line.refuseOpen();
    int polls = 0;
    int retries = 0;
    int rows = 0;
    CloneTransfer::Hooks hooks;
    hooks.poll = [&] { return ++polls == cancelAtPoll; };
    hooks.progress = [&](int row) {
        fuzzCheck(row == rows + 1, "progress rows out of order");
        rows = row;
    };
    hooks.retry = [&] { return retries++ < retriesAllowed; };
    CloneTransfer transfer(line, hooks);
    const CloneTransfer::Result result = writing ? transfer.write(QStringLiteral("/dev/fuzz"), outgoing)
                                                 : transfer.read(QStringLiteral("/dev/fuzz"));

    fuzzCheck(!line.isOpen(), "the line was left open");
    fuzzCheck(line.wasOpened() == (result.outcome != CloneTransfer::Outcome::PortError),
              "a port error without a failed open, or the other way round");
    fuzzCheck(result.received.has_value() == (!writing && result.completed()),
              "a transfer area came back from anything but a completed read");
    fuzzCheck(retries <= retriesAllowed + 1, "Retry was asked again after Cancel");
    const QByteArray& id = line.identification();
    fuzzCheck(result.variantByte ==
                  (id.size() > VariantByteIndex ? static_cast<std::uint8_t>(id[VariantByteIndex]) : 0),
              "the variant byte is not byte 8 of the last identification");
    const bool idMatches = identificationMatches(reinterpret_cast<const std::uint8_t*>(id.constData()),
                                                 static_cast<int>(id.size()));
    if (result.outcome == CloneTransfer::Outcome::RadioTypeMismatch)
        fuzzCheck(!idMatches, "a matching identification was refused");
    if (result.outcome == CloneTransfer::Outcome::Cancelled)
        fuzzCheck(cancelAtPoll > 0 && polls >= cancelAtPoll, "cancelled without the user");
    if (!result.completed())
        return 0;
    fuzzCheck(idMatches, "a transfer completed with a radio of another type");
    fuzzCheck(line.blocksMoved() == BlockCount && rows == RowCount, "a transfer completed early");
    if (!writing)
        fuzzCheck(*result.received == line.radioArea(), "the area read is not what the radio sent");
    return 0;
}
