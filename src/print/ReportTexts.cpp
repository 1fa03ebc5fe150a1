#include "ReportTexts.h"

#include <array>

namespace {

QString pick(bool chinese, const char* english, const char* chineseText)
{
    return QString::fromUtf8(chinese ? chineseText : english);
}

QString onOff(bool on, bool chinese)
{
    return on ? pick(chinese, "On", "开") : pick(chinese, "Off", "关");
}

QString voiceText(std::uint8_t byte, bool chinese)
{
    if (byte == 0)
        return pick(chinese, "Off", "关");
    return byte == 1 ? pick(chinese, "Chinese", "中文") : pick(chinese, "English", "英文");
}

QString voxDelayText(std::uint8_t byte)
{
    static const std::array<const char*, 6> delays = {"0.3s", "0.5s", "1.0s", "1.5s", "2.0s", "3.0s"};
    return QString::fromLatin1(delays[byte < delays.size() ? byte : delays.size() - 1]);
}

QString voxGainText(std::uint8_t byte, bool chinese)
{
    return byte == 0 ? pick(chinese, "Off", "关") : QString::number(byte);
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
