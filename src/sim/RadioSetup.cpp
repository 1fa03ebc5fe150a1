#include "sim/RadioSetup.h"

namespace {

// A fault that takes a number: where it goes, its default when the number is left out
// (none when the number is required) and its range.
struct CountedFault {
    const char* name;
    int RadioFaults::*field;
    int fallback; // -1: the number is required
    int low;
    int high;
};

constexpr int LastBlock = CloneFrames::BlockCount - 1;

constexpr CountedFault CountedFaults[] = {
    {"short-id", &RadioFaults::identificationLength, 4, 0, CloneFrames::IdentificationSize - 1},
    {"refuse-confirm", &RadioFaults::refusedConfirmations, 1, 1, 1000},
    {"short-reply", &RadioFaults::shortReplyAtBlock, -1, 0, LastBlock},
    {"no-ack", &RadioFaults::missingAckAtBlock, -1, 0, LastBlock},
    {"silent-from", &RadioFaults::silentFromBlock, -1, 0, LastBlock},
    {"vanish-at", &RadioFaults::vanishAtBlock, -1, 0, LastBlock},
    {"stuck-byte", &RadioFaults::stuckByte, -1, 0, CloneFrames::TransferSize - 1},
};

bool addCountedFault(const CountedFault& fault, const QString& text, bool hasValue, RadioFaults& faults)
{
    if (!hasValue) {
        if (fault.fallback < 0)
            return false;
        faults.*fault.field = fault.fallback;
        return true;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 0);
    if (!ok || value < fault.low || value > fault.high)
        return false;
    faults.*fault.field = value;
    return true;
}

bool addNamedFault(const QString& name, const QString& text, bool hasValue, RadioFaults& faults)
{
    if (name == QLatin1String("no-wakeup") && !hasValue) {
        faults.noWakeUpAnswer = true;
        return true;
    }
    if (name == QLatin1String("wrong-id") && !hasValue) {
        faults.wrongIdentification = true;
        return true;
    }
    for (const CountedFault& fault : CountedFaults) {
        if (name == QLatin1String(fault.name))
            return addCountedFault(fault, text, hasValue, faults);
    }
    return false;
}

} // namespace

QString faultHelp()
{
    return QStringLiteral("no-wakeup, wrong-id, short-id[=N], refuse-confirm[=N], "
                          "short-reply=K, no-ack=K, silent-from=K, vanish-at=K (K a block 0..101), "
                          "stuck-byte=A (A an address 0..815)");
}

bool addFault(const QString& faultText, RadioFaults& faults, QString* error)
{
    const qsizetype equals = faultText.indexOf(QLatin1Char('='));
    const bool hasValue = equals >= 0;
    if (addNamedFault(faultText.left(equals), hasValue ? faultText.mid(equals + 1) : QString(), hasValue,
                      faults))
        return true;
    if (error)
        *error = QStringLiteral("bad fault '%1' (faults: %2)").arg(faultText, faultHelp());
    return false;
}
