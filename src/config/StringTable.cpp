#include "config/StringTable.h"

#include "config/CommandIds.h"

#include <QCoreApplication>
#include <QHash>

namespace {

const char* const Context = "StringTable";

struct Entry {
    int id;
    const char* text;
};

// QT_TRANSLATE_NOOP marks the texts for the translation files.
const Entry Strings[] = {
    {MessageId::OutOfRange, QT_TRANSLATE_NOOP("StringTable", "Out of range,please input again.")},
    {MessageId::CommunicationError,
     QT_TRANSLATE_NOOP("StringTable",
                       "Communication Error,Please check all the connections and the radio power")},
    {MessageId::AllDataCleared, QT_TRANSLATE_NOOP("StringTable", "All data will be Cleared!")},
    {MessageId::CannotOpenPort,
     QT_TRANSLATE_NOOP("StringTable", "Could not Open the Port,Please check whether the Port are "
                                      "occupied or the device are ok")},
    {MessageId::ProgramInterrupt,
     QT_TRANSLATE_NOOP("StringTable", "Program Interrupt, Please reset the radio and try again")},
    {MessageId::StepValue,
     QT_TRANSLATE_NOOP("StringTable", "Error data Value, please input according the step value(6.25K/5k).")},
    {MessageId::Caution, QT_TRANSLATE_NOOP("StringTable", "Caution")},
};

const char* sourceText(int id)
{
    static const QHash<int, const char*> byId = [] {
        QHash<int, const char*> map;
        for (const Entry& entry : Strings)
            map.insert(entry.id, entry.text);
        return map;
    }();
    return byId.value(id, nullptr);
}

} // namespace

QString stringTableText(int id)
{
    const char* text = sourceText(id);
    return text ? QCoreApplication::translate(Context, text) : QString();
}

QString promptStatusText(const char* prompt)
{
    return prompt ? QCoreApplication::translate(Context, prompt).section(QLatin1Char('\n'), 0, 0) : QString();
}

QString promptToolTip(const char* prompt)
{
    return prompt ? QCoreApplication::translate(Context, prompt).section(QLatin1Char('\n'), 1, 1) : QString();
}

QString radioTypeMismatchText(Language language)
{
    return byLanguage(language, "Becuase the type of radio does not match,\ncommunications is interrupt.",
                      "对讲机类型不匹配,无法通讯。");
}

QString radioTypeMismatchCaption(Language language)
{
    return byLanguage(language, "Caution", "警告");
}
