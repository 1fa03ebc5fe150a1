#include "csv/CsvExportWarning.h"

namespace {

// %1 the channel, %2 the value.
QString patternOf(CsvExportWarning::Kind kind, Language language)
{
    switch (kind) {
    case CsvExportWarning::Kind::TransmitOnlyChannel:
        return byLanguage(
            language, "Channel %1 was left out: it only transmits (%2 MHz), which a channel list cannot say",
            "信道 %1 未导出：它只有发射频率 %2 MHz，信道列表无法表示只发射的信道");
    case CsvExportWarning::Kind::DecodeTone:
        return byLanguage(language,
                          "Channel %1: the decode tone %2 is none of the radio's tones and was left out",
                          "信道 %1：解码亚音 %2 不是本机的亚音，未导出");
    case CsvExportWarning::Kind::EncodeTone:
        return byLanguage(language,
                          "Channel %1: the encode tone %2 is none of the radio's tones and was left out",
                          "信道 %1：编码亚音 %2 不是本机的亚音，未导出");
    }
    return {};
}

} // namespace

QString exportWarningText(const CsvExportWarning& warning, Language language)
{
    return patternOf(warning.kind, language).arg(warning.channel).arg(warning.value);
}
