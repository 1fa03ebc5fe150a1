#include "model/OptionTexts.h"

#include "model/DecimalMath.h"

namespace {

constexpr int TransmitDelayMax = 1800; // 180.0 s
constexpr double TransmitDelayScale = 10.0;

QString pick(bool chinese, const char* english, const char* chineseText)
{
    return QString::fromUtf8(chinese ? chineseText : english);
}

QStringList numbers(int first, int last, int multiple, const QString& suffix)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n * multiple) + suffix;
    return items;
}

QString rawByte(std::uint8_t byte)
{
    return QString::asprintf("0x%02X", byte);
}

// A list setting: the item at (byte - first), or the byte itself when no item has it.
OptionSetting listed(const QString& label, const RadioImage& image, int offset, const QStringList& items,
                     int first)
{
    const std::uint8_t byte = image[static_cast<std::size_t>(offset)];
    const int index = byte - first;
    return {label, index >= 0 && index < items.size() ? items[index] : rawByte(byte), {offset, 1, 0xFF}};
}

OptionSetting checked(const QString& label, const RadioImage& image, int offset, bool chinese)
{
    const bool on = image[static_cast<std::size_t>(offset)] & 1;
    return {label, on ? OptionItems::on(chinese) : OptionItems::off(chinese), {offset, 1, 0x01}};
}

} // namespace

namespace OptionItems {

QStringList timeOut()
{
    return numbers(1, 40, 15, QStringLiteral("s"));
}

QStringList squelch()
{
    return numbers(0, 9, 1, QString());
}

QStringList priorityChannel(bool chinese)
{
    return QStringList{off(chinese)} + numbers(1, 16, 1, QString());
}

QStringList voice(bool chinese)
{
    return {off(chinese), pick(chinese, "Chinese", "中文"), pick(chinese, "English", "英文")};
}

QStringList voxGain()
{
    return numbers(1, 8, 1, QString());
}

QStringList voxDelay()
{
    return {QStringLiteral("0.3s"), QStringLiteral("0.5s"), QStringLiteral("1.0s"),
            QStringLiteral("1.5s"), QStringLiteral("2.0s"), QStringLiteral("3.0s")};
}

QStringList sideKey(bool chinese)
{
    return {pick(chinese, "None", "无"), pick(chinese, "Monitor", "监听"),
            pick(chinese, "Monitor Momentary", "监听瞬时"), pick(chinese, "Power select", "功率选择")};
}

QString off(bool chinese)
{
    return pick(chinese, "Off", "关");
}

QString on(bool chinese)
{
    return pick(chinese, "On", "开");
}

QString transmitDelayText(int tenths, bool chinese)
{
    if (tenths < 1 || tenths > TransmitDelayMax)
        return off(chinese);
    return QString::asprintf("%.1f", decimalDivide(tenths, TransmitDelayScale));
}

} // namespace OptionItems

std::vector<OptionSetting> optionSettings(const RadioImage& image, bool chinese)
{
    using namespace OptionItems;
    const auto label = [chinese](const char* english, const char* chineseText) {
        return pick(chinese, english, chineseText);
    };
    return {
        listed(label("Time Out Time (s)", "超时定时器(秒)"), image, RadioImage::OptTimeOut, timeOut(), 1),
        listed(label("Squelch Level", "静噪电平"), image, RadioImage::OptSquelch, squelch(), 0),
        {label("Transmit Delay (s)", "发射延迟(秒)"),
         transmitDelayText(image.transmitDelay(), chinese),
         {RadioImage::OptTransmitDelay, 2, 0xFF}},
        listed(label("Side Key", "侧键"), image, RadioImage::OptSideKey, sideKey(chinese), 0),
        checked(label("Beep", "哔音"), image, RadioImage::OptBeep, chinese),
        checked(label("Battery Saver", "电池省电"), image, RadioImage::OptBatterySaver, chinese),
        listed(label("Priority Channel", "优先信道"), image, RadioImage::OptPriorityChannel,
               priorityChannel(chinese), 0),
        // The VOX byte is 1 for On and 0 for Off.
        listed(label("VOX", "声控"), image, RadioImage::OptVox, {off(chinese), on(chinese)}, 0),
        listed(label("Vox Gain Level", "声控增益电平"), image, RadioImage::OptVoxGain, voxGain(), 1),
        listed(label("Voice Annunciation", "语音报号"), image, RadioImage::OptVoice, voice(chinese), 0),
        listed(label("Vox Delay Time (s)", "声控延迟时间(秒)"), image, RadioImage::OptVoxDelay, voxDelay(),
               0),
        {label("Type (index)", "类型(序号)"),
         QString::number(image[RadioImage::ProductType]),
         {RadioImage::ProductType, 1, 0xFF}},
        {label("Frequency (index)", "频率(序号)"),
         QString::number(image[RadioImage::ProductBand]),
         {RadioImage::ProductBand, 1, 0xFF}},
    };
}
