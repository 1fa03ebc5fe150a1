#include "link/LinkMessages.h"

#include "config/AppGlobals.h"
#include "config/StringTable.h"

namespace LinkMessages {

QString text(int id)
{
    const bool transferMessage = id == CommunicationError || id == CouldNotOpenPort || id == ProgramInterrupt;
    return transferMessage ? stringTableText(id) : QString();
}

QString radioTypeText()
{
    return byLanguage(
        QStringLiteral("Becuase the type of radio does not match,\ncommunications is interrupt."),
        QStringLiteral("对讲机类型不匹配,无法通讯。"));
}

QString radioTypeCaption()
{
    return byLanguage(QStringLiteral("Caution"), QStringLiteral("警告"));
}

} // namespace LinkMessages
