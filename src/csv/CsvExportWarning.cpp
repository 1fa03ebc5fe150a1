#include "csv/CsvExportWarning.h"

QString exportWarningText(const CsvExportWarning& warning, Language language)
{
    const bool chinese = language == Language::Chinese;
    QString pattern;
    switch (warning.kind) {
    case CsvExportWarning::Kind::TransmitOnlyChannel:
        pattern = chinese
                      ? QStringLiteral("信道 %1 未导出：它只有发射频率 %2 MHz，信道列表无法表示只发射的信道")
                      : QStringLiteral("Channel %1 was left out: it only transmits (%2 MHz), which a "
                                       "channel list cannot say");
        break;
    case CsvExportWarning::Kind::DecodeTone:
        pattern = chinese ? QStringLiteral("信道 %1：解码亚音 %2 不是本机的亚音，未导出")
                          : QStringLiteral("Channel %1: the decode tone %2 is none of the radio's tones and "
                                           "was left out");
        break;
    case CsvExportWarning::Kind::EncodeTone:
        pattern = chinese ? QStringLiteral("信道 %1：编码亚音 %2 不是本机的亚音，未导出")
                          : QStringLiteral("Channel %1: the encode tone %2 is none of the radio's tones and "
                                           "was left out");
        break;
    }
    return pattern.arg(warning.channel).arg(warning.value);
}
