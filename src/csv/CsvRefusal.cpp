#include "csv/CsvRefusal.h"

#include "model/DisplayText.h"

namespace {

struct Wording {
    const char* english;
    const char* chinese;
};

// %1 column, %2 value, %3 and %4 the band limits, %5 the earlier line.
Wording wordingOf(RefusalReason reason)
{
    switch (reason) {
    case RefusalReason::BadLocation:
        return {"Location \"%2\" is not a channel number (1-16)", "位置“%2”不是信道号 (1-16)"};
    case RefusalReason::BadZeroBasedLocation:
        return {"Location \"%2\" is not a channel number (this file counts from 0: 0-15)",
                "位置“%2”不是信道号（本文件从 0 开始计数：0-15）"};
    case RefusalReason::DuplicateLocation:
        return {"Location %2 was already given on line %5", "位置 %2 已在第 %5 行出现"};
    case RefusalReason::MissingValue:
        return {"%1 is empty", "%1 为空"};
    case RefusalReason::NotANumber:
        return {"%1 \"%2\" is not a number", "%1“%2”不是数字"};
    case RefusalReason::RxOutsideBand:
        return {"Receive frequency %2 MHz is outside the band %3 - %4 MHz",
                "接收频率 %2 MHz 超出频段 %3 - %4 MHz"};
    case RefusalReason::TxOutsideBand:
        return {"Transmit frequency %2 MHz is outside the band %3 - %4 MHz",
                "发射频率 %2 MHz 超出频段 %3 - %4 MHz"};
    case RefusalReason::RxOffRaster:
        return {"Receive frequency %2 MHz is not a multiple of 5 kHz or 6.25 kHz",
                "接收频率 %2 MHz 不是 5 kHz 或 6.25 kHz 的整数倍"};
    case RefusalReason::TxOffRaster:
        return {"Transmit frequency %2 MHz is not a multiple of 5 kHz or 6.25 kHz",
                "发射频率 %2 MHz 不是 5 kHz 或 6.25 kHz 的整数倍"};
    case RefusalReason::RxTooManyDigits:
        return {"Receive frequency %2 MHz has more digits than the radio stores (up to 999.99999 MHz)",
                "接收频率 %2 MHz 的位数超出本机可存储的范围（最高 999.99999 MHz）"};
    case RefusalReason::TxTooManyDigits:
        return {"Transmit frequency %2 MHz has more digits than the radio stores (up to 999.99999 MHz)",
                "发射频率 %2 MHz 的位数超出本机可存储的范围（最高 999.99999 MHz）"};
    case RefusalReason::TxNotAboveZero:
        return {"Duplex and Offset give the transmit frequency %2 MHz, which is not above 0",
                "双工和偏移得出的发射频率 %2 MHz 不大于 0"};
    case RefusalReason::NoTransmitFrequency:
        return {"Duplex \"off\" leaves no transmit frequency, and this radio only transmits",
                "双工为“off”时没有发射频率，而本机型只能发射"};
    case RefusalReason::UnknownValue:
        return {"%1 \"%2\" is not supported", "不支持的 %1 值“%2”"};
    case RefusalReason::UnlistedCtcss:
        return {"%1 %2 Hz is not one of the radio's 50 CTCSS tones",
                "%1 %2 Hz 不在本机的 50 个 CTCSS 亚音中"};
    case RefusalReason::UnknownDcs:
        return {"%1 %2 is not a DCS code of the radio", "%1 %2 不是本机的 DCS 数字亚音码"};
    }
    return {"", ""};
}

} // namespace

QString shortMHzText(long long count)
{
    QString text = QString::number(count / 100000.0, 'f', 5);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString refusalText(const Refusal& refusal, BandLimits band, Language language)
{
    const Wording wording = wordingOf(refusal.reason);
    const QString pattern =
        QString::fromUtf8(language == Language::Chinese ? wording.chinese : wording.english);
    // The value from the file shown escaped and cut to a readable length.
    const QString values[] = {refusal.column, displayedValue(refusal.value), shortMHzText(band.low),
                              shortMHzText(band.high), QString::number(refusal.earlierLine)};
    // One pass over the wording: a value from the file may itself contain "%3".
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == QLatin1Char('%') && n >= 1 && n <= 5) {
            text += values[n - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
