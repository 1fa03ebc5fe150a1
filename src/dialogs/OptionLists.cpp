#include "dialogs/OptionLists.h"

#include "config/AppGlobals.h"
#include "model/OptionTexts.h"

QStringList timeOutItems()
{
    return OptionItems::timeOut();
}

QStringList squelchItems()
{
    return OptionItems::squelch();
}

QStringList priorityChannelItems()
{
    return OptionItems::priorityChannel(g_bChinese);
}

QStringList voiceItems()
{
    return OptionItems::voice(g_bChinese);
}

QStringList voxGainItems()
{
    return OptionItems::voxGain();
}

QStringList voxDelayItems()
{
    return OptionItems::voxDelay();
}

QStringList sideKeyItems()
{
    return OptionItems::sideKey(g_bChinese);
}

QString offText()
{
    return OptionItems::off(g_bChinese);
}
