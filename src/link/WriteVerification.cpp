#include "link/WriteVerification.h"

#include "model/ImageDiff.h"
#include "model/ImageDiffText.h"

WriteVerification::WriteVerification(const RadioImage& written) : written_(written), readBack_(written) {}

CloneTransfer::Result WriteVerification::readBack(CloneTransfer& transfer, const QString& device)
{
    CloneTransfer::Result result = transfer.read(device);
    if (result.completed() && result.received) {
        readBack_ = written_;
        CloneFrames::applyTransferArea(readBack_, *result.received);
        variant_ = result.variant();
        completed_ = true;
        compare();
    }
    return result;
}

void WriteVerification::compare()
{
    differingBytes_ = 0;
    firstOffset_ = -1;
    for (int offset = 0; offset < RadioImage::TransferSize; ++offset) {
        if (written_[offset] == readBack_[offset])
            continue;
        ++differingBytes_;
        if (firstOffset_ < 0)
            firstOffset_ = offset;
    }
}

QString WriteVerification::failureText(Language language) const
{
    if (firstOffset_ < 0)
        return {};
    const auto offset = static_cast<std::size_t>(firstOffset_);
    const QString bytes = QString::asprintf(
        qPrintable(byLanguage(language,
                              "Verify failed: %d byte(s) differ; the first at offset 0x%03X "
                              "(%d): written %02X, read back %02X",
                              "校验失败：%d 个字节不同；第一个在偏移 0x%03X (%d)：写入 %02X，读回 %02X")),
        differingBytes_, firstOffset_, firstOffset_, written_[offset], readBack_[offset]);
    const ImageDiff diff = diffImages(written_, readBack_, variant_, language);
    return bytes + QLatin1Char('\n') +
           byLanguage(language, "First difference (written -> read back): ", "第一处不同（写入 -> 读回）：") +
           firstDifferenceLine(diff, language);
}
