#include "dialogs/RadioVariantText.h"

#include <QCoreApplication>

QString radioVariantText(RadioVariant variant)
{
    switch (variant) {
    case RadioVariant::ReceiveOnly:
        return QCoreApplication::translate("HistoryDialog", "Receive only");
    case RadioVariant::TransmitOnly:
        return QCoreApplication::translate("HistoryDialog", "Transmit only");
    case RadioVariant::Other:
        break;
    }
    return QCoreApplication::translate("HistoryDialog", "Other");
}
