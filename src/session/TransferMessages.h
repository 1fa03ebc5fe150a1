#pragma once

#include "link/CloneTransfer.h"
#include "model/Language.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class SerialDevices;

// What the user is told of a transfer that did not complete, the same in the program's
// boxes and on the command line's stderr: the string table's text of the outcome (Could
// not Open the Port, Communication Error, Program Interrupt) or the compiled-in text of
// another radio type, and for a port that did not open, why not (absent, in use by a
// named program, no permission with the fix). The program puts a blank line between the
// paragraphs of a box, the command line one line each.
class TransferMessages {
    Q_DECLARE_TR_FUNCTIONS(TransferMessages)

public:
    TransferMessages(const SerialDevices& devices, Language language) : devices_(devices), language_(language)
    {
    }

    // None for a completed or cancelled transfer.
    QStringList paragraphs(const CloneTransfer::Result& result, const QString& device) const;
    // The caption of its box: another radio type has its own, every other outcome the
    // program's (the Company text).
    QString caption(CloneTransfer::Outcome outcome, const QString& programCaption) const;
    // Before the message of a read-back that failed after a completed write; in the
    // language of the module loaded, as the string table's texts.
    static QString readBackFailedLead();

private:
    const SerialDevices& devices_;
    Language language_;
};
