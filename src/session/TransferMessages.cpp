#include "session/TransferMessages.h"

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "link/SerialDevices.h"

QStringList TransferMessages::paragraphs(const CloneTransfer::Result& result, const QString& device) const
{
    switch (result.outcome) {
    case CloneTransfer::Outcome::Completed:
    case CloneTransfer::Outcome::Cancelled:
        break;
    case CloneTransfer::Outcome::PortError:
        return {stringTableText(MessageId::CannotOpenPort),
                portStatusText(devices_.whyNotOpened(device, result.portError), device, language_)};
    case CloneTransfer::Outcome::CommunicationError:
        return {stringTableText(MessageId::CommunicationError)};
    case CloneTransfer::Outcome::Interrupted:
        return {stringTableText(MessageId::ProgramInterrupt)};
    case CloneTransfer::Outcome::RadioTypeMismatch:
        return {radioTypeMismatchText(language_)};
    }
    return {};
}

QString TransferMessages::caption(CloneTransfer::Outcome outcome, const QString& programCaption) const
{
    return outcome == CloneTransfer::Outcome::RadioTypeMismatch ? radioTypeMismatchCaption(language_)
                                                                : programCaption;
}

QString TransferMessages::readBackFailedLead()
{
    return tr("The write completed, but reading it back to verify failed:");
}
