#include "LinkMessages.h"

#include "AppGlobals.h"

#include <QCoreApplication>

namespace LinkMessages {

QString text(int id) {
    switch (id) {
    case CommunicationError:
        return QCoreApplication::translate(
            "LinkMessages",
            "Communication Error,Please check all the connections and the radio power");
    case CouldNotOpenPort:
        return QCoreApplication::translate(
            "LinkMessages", "Could not Open the Port,Please check whether the Port are "
                            "occupied or the device are ok");
    case ProgramInterrupt:
        return QCoreApplication::translate(
            "LinkMessages", "Program Interrupt, Please reset the radio and try again");
    default:
        return {};
    }
}

QString radioTypeText() {
    return byLanguage(
        QStringLiteral("Becuase the type of radio does not match,\ncommunications is interrupt."),
        QStringLiteral("对讲机类型不匹配,无法通讯。"));
}

QString radioTypeCaption() {
    return byLanguage(QStringLiteral("Caution"), QStringLiteral("警告"));
}

} // namespace LinkMessages
