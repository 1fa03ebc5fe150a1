#include "print/ReportTexts.h"

#include "model/OptionTexts.h"

namespace {

QString pick(bool chinese, const char* english, const char* chineseText)
{
    return QString::fromUtf8(chinese ? chineseText : english);
}

// The dialog's texts; the report's own rules for values the lists do not hold.
QString onOff(bool on, bool chinese)
{
    return on ? OptionItems::on(chinese) : OptionItems::off(chinese);
}

QString voiceText(std::uint8_t byte, bool chinese)
{
    const QStringList items = OptionItems::voice(chinese); // Off, Chinese, English
    return items[qMin<int>(byte, items.size() - 1)];
}

QString voxDelayText(std::uint8_t byte)
{
    const QStringList items = OptionItems::voxDelay();
    return items[qMin<int>(byte, items.size() - 1)];
}

QString voxGainText(std::uint8_t byte, bool chinese)
{
    return byte == 0 ? OptionItems::off(chinese) : QString::number(byte);
}

} // namespace

const ReportLabels& reportLabels(bool chinese)
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
    return chinese ? chineseLabels : english;
}

std::vector<OptionLine> optionLines(const RadioImage& image, bool chinese)
{
    return {
        {pick(chinese, "Time Out Time:", "超时定时器:"),
         QStringLiteral("%1s").arg(image[RadioImage::OptTimeOut] * 15)},
        {pick(chinese, "Squelch Level:", "静噪电平:"), QString::number(image[RadioImage::OptSquelch])},
        {pick(chinese, "Voice Annunication:", "语音报号:"), voiceText(image[RadioImage::OptVoice], chinese)},
        {pick(chinese, "Vox Delay Time:", "声控延迟时间:"), voxDelayText(image[RadioImage::OptVoxDelay])},
        {pick(chinese, "Vox Gain Level:", "声控增益电平:"),
         voxGainText(image[RadioImage::OptVoxGain], chinese)},
        {pick(chinese, "Battery Saver:", "电池省电:"),
         onOff(image[RadioImage::OptBatterySaver] & 1, chinese)},
        {pick(chinese, "Beep:", "哔音:"), onOff(image[RadioImage::OptBeep] & 1, chinese)},
    };
}

QString pageFooterText(int page, int pageCount)
{
    return QStringLiteral("Page %1 of %2").arg(page).arg(pageCount);
}
