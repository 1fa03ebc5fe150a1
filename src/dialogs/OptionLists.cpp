#include "OptionLists.h"

#include "AppGlobals.h"

namespace {

QStringList numbers(int first, int last, int multiple, const QString& suffix)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n * multiple) + suffix;
    return items;
}

} // namespace

QStringList timeOutItems()
{
    return numbers(1, 40, 15, QStringLiteral("s"));
}

QStringList squelchItems()
{
    return numbers(0, 9, 1, QString());
}

QStringList priorityChannelItems()
{
    return QStringList{offText()} + numbers(1, 16, 1, QString());
}

QStringList voiceItems()
{
    return {offText(), byLanguage(QStringLiteral("Chinese"), QStringLiteral("中文")),
            byLanguage(QStringLiteral("English"), QStringLiteral("英文"))};
}

QStringList voxGainItems()
{
    return numbers(1, 8, 1, QString());
}

QStringList voxDelayItems()
{
    return {QStringLiteral("0.3s"), QStringLiteral("0.5s"), QStringLiteral("1.0s"),
            QStringLiteral("1.5s"), QStringLiteral("2.0s"), QStringLiteral("3.0s")};
}

QStringList sideKeyItems()
{
    return {byLanguage(QStringLiteral("None"), QStringLiteral("无")),
            byLanguage(QStringLiteral("Monitor"), QStringLiteral("监听")),
            byLanguage(QStringLiteral("Monitor Momentary"), QStringLiteral("监听瞬时")),
            byLanguage(QStringLiteral("Power select"), QStringLiteral("功率选择"))};
}

QString offText()
{
    return byLanguage(QStringLiteral("Off"), QStringLiteral("关"));
}
