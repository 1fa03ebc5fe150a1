#include "model/ChoiceTexts.h"

#include <array>

const ChoiceTexts& choiceTexts(Language language)
{
    static const ChoiceTexts english{
        QStringLiteral("Wide"), QStringLiteral("Narrow"),  QStringLiteral("Yes"),    QStringLiteral("No"),
        QStringLiteral("Off"),  QStringLiteral("Carrier"), QStringLiteral("QT/DQT"), QStringLiteral("High"),
        QStringLiteral("Low"),  QStringLiteral("None")};
    static const ChoiceTexts chineseTexts{
        QStringLiteral("宽"), QStringLiteral("窄"),   QStringLiteral("是"),     QStringLiteral("否"),
        QStringLiteral("关"), QStringLiteral("载波"), QStringLiteral("QT/DQT"), QStringLiteral("高"),
        QStringLiteral("低"), QStringLiteral("无")};
    return language == Language::Chinese ? chineseTexts : english;
}

QString columnTitle(int column, Language language)
{
    static const std::array<const char*, 9> english = {"CH",         "Rx Frequency", "Tx Frequency",
                                                       "QT/DQT Dec", "QT/DQT Enc",   "W/N",
                                                       "Scan",       "Busy Lock",    "Power"};
    static const std::array<const char*, 9> chineseTitles = {
        "信道", "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码", "宽/窄", "扫描", "繁忙锁定", "功率"};
    if (column < 0 || column >= 9)
        return {};
    return QString::fromUtf8(language == Language::Chinese ? chineseTitles[column] : english[column]);
}
