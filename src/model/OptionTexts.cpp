#include "model/OptionTexts.h"

#include "model/DecimalMath.h"
#include "model/OptionRules.h"

namespace {

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

// A list setting: the item at index, or the byte itself when no item has it.
OptionSetting listed(const QString& label, int offset, std::uint8_t byte, int index, const QStringList& items)
{
    return {label, index >= 0 && index < items.size() ? items[index] : rawByte(byte), {offset, 1, 0xFF}};
}

OptionSetting listed(const QString& label, const RadioImage& image, OptionRules::ListOption option,
                     const QStringList& items)
{
    const std::uint8_t byte = image[static_cast<std::size_t>(option.offset)];
    return listed(label, option.offset, byte, OptionRules::listIndex(byte, option), items);
}

OptionSetting checked(const QString& label, const RadioImage& image, int offset, Language language)
{
    const bool on = image[static_cast<std::size_t>(offset)] & 1;
    return {label, on ? OptionItems::on(language) : OptionItems::off(language), {offset, 1, 0x01}};
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

QStringList priorityChannel(Language language)
{
    return QStringList{off(language)} + numbers(1, 16, 1, QString());
}

QStringList voice(Language language)
{
    return {off(language), byLanguage(language, "Chinese", "中文"), byLanguage(language, "English", "英文")};
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

QStringList sideKey(Language language)
{
    return {byLanguage(language, "None", "无"), byLanguage(language, "Monitor", "监听"),
            byLanguage(language, "Monitor Momentary", "监听瞬时"),
            byLanguage(language, "Power select", "功率选择")};
}

QString off(Language language)
{
    return byLanguage(language, "Off", "关");
}

QString on(Language language)
{
    return byLanguage(language, "On", "开");
}

QStringList vox(Language language)
{
    return {on(language), off(language)};
}

QString transmitDelayText(int tenths, Language language)
{
    using namespace OptionRules;
    if (!isTransmitDelayShown(tenths))
        return off(language);
    return QString::asprintf(TransmitDelayFormat, decimalDivide(tenths, TransmitDelayScale));
}

} // namespace OptionItems

std::vector<OptionSetting> optionSettings(const RadioImage& image, Language language)
{
    using namespace OptionItems;
    const auto label = [language](const char* english, const char* chineseText) {
        return byLanguage(language, english, chineseText);
    };
    const std::uint8_t voxByte = image[RadioImage::OptVox];
    return {
        listed(label("Time Out Time (s)", "超时定时器(秒)"), image, OptionRules::TimeOut, timeOut()),
        listed(label("Squelch Level", "静噪电平"), image, OptionRules::Squelch, squelch()),
        {label("Transmit Delay (s)", "发射延迟(秒)"),
         transmitDelayText(image.transmitDelay(), language),
         {RadioImage::OptTransmitDelay, 2, 0xFF}},
        listed(label("Side Key", "侧键"), image, OptionRules::SideKey, sideKey(language)),
        checked(label("Beep", "哔音"), image, RadioImage::OptBeep, language),
        checked(label("Battery Saver", "电池省电"), image, RadioImage::OptBatterySaver, language),
        listed(label("Priority Channel", "优先信道"), image, OptionRules::PriorityChannel,
               priorityChannel(language)),
        listed(label("VOX", "声控"), RadioImage::OptVox, voxByte, OptionRules::voxIndex(voxByte),
               vox(language)),
        listed(label("Vox Gain Level", "声控增益电平"), image, OptionRules::VoxGain, voxGain()),
        listed(label("Voice Annunciation", "语音报号"), image, OptionRules::Voice, voice(language)),
        listed(label("Vox Delay Time (s)", "声控延迟时间(秒)"), image, OptionRules::VoxDelay, voxDelay()),
        {label("Type (index)", "类型(序号)"),
         QString::number(image[RadioImage::ProductType]),
         {RadioImage::ProductType, 1, 0xFF}},
        {label("Frequency (index)", "频率(序号)"),
         QString::number(image[RadioImage::ProductBand]),
         {RadioImage::ProductBand, 1, 0xFF}},
    };
}
