#include "print/ReportTexts.h"

#include "model/OptionTexts.h"

namespace {

// The dialog's texts; the report's own rules for values the lists do not hold.
QString onOff(bool on, Language language)
{
    return on ? OptionItems::on(language) : OptionItems::off(language);
}

QString voiceText(std::uint8_t byte, Language language)
{
    const QStringList items = OptionItems::voice(language); // Off, Chinese, English
    return items[qMin<int>(byte, items.size() - 1)];
}

QString voxDelayText(std::uint8_t byte)
{
    const QStringList items = OptionItems::voxDelay();
    return items[qMin<int>(byte, items.size() - 1)];
}

QString voxGainText(std::uint8_t byte, Language language)
{
    return byte == 0 ? OptionItems::off(language) : QString::number(byte);
}

} // namespace

const ReportLabels& reportLabels(Language language)
{
    static const ReportLabels english{QStringLiteral("Option"),
                                      QStringLiteral("Function"),
                                      QStringLiteral("Channel"),
                                      QStringLiteral("Channel %1:"),
                                      QStringLiteral("Receive Frequency:"),
                                      QStringLiteral("Transceive Frequency:"),
                                      QStringLiteral("QT/DQT Decode:"),
                                      QStringLiteral("QT/DQT Encode:"),
                                      QStringLiteral("W/N:"),
                                      QStringLiteral("Scan:")};
    static const ReportLabels chineseLabels{QStringLiteral("可选功能"),    QStringLiteral("功能"),
                                            QStringLiteral("信道"),        QStringLiteral("信道%1:"),
                                            QStringLiteral("接收频率:"),   QStringLiteral("发射频率:"),
                                            QStringLiteral("QT/DQT解码:"), QStringLiteral("QT/DQT编码:"),
                                            QStringLiteral("宽/窄:"),      QStringLiteral("扫描:")};
    return language == Language::Chinese ? chineseLabels : english;
}

std::vector<OptionLine> optionLines(const RadioImage& image, Language language)
{
    return {
        {byLanguage(language, "Time Out Time:", "超时定时器:"),
         QStringLiteral("%1s").arg(image[RadioImage::OptTimeOut] * 15)},
        {byLanguage(language, "Squelch Level:", "静噪电平:"), QString::number(image[RadioImage::OptSquelch])},
        {byLanguage(language, "Voice Annunication:", "语音报号:"),
         voiceText(image[RadioImage::OptVoice], language)},
        {byLanguage(language, "Vox Delay Time:", "声控延迟时间:"),
         voxDelayText(image[RadioImage::OptVoxDelay])},
        {byLanguage(language, "Vox Gain Level:", "声控增益电平:"),
         voxGainText(image[RadioImage::OptVoxGain], language)},
        {byLanguage(language, "Battery Saver:", "电池省电:"),
         onOff(image[RadioImage::OptBatterySaver] & 1, language)},
        {byLanguage(language, "Beep:", "哔音:"), onOff(image[RadioImage::OptBeep] & 1, language)},
    };
}

QString pageFooterText(int page, int pageCount)
{
    return QStringLiteral("Page %1 of %2").arg(page).arg(pageCount);
}
