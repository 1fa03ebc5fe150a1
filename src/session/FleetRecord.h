#pragma once

#include "model/RadioVariant.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <optional>

// How the bench ended with one radio; the words stand as they are in the log and on
// the command line, in every language.
enum class FleetResult {
    Verified, // written and read back the same
    Written,  // written, not verified (verify off)
    Failed,   // a transfer failed, the backup could not be kept or the read-back differs
    Refused   // another variant or another radio type: never written
};

constexpr const char* fleetResultName(FleetResult result)
{
    switch (result) {
    case FleetResult::Verified:
        return "verified";
    case FleetResult::Written:
        return "written";
    case FleetResult::Failed:
        return "failed";
    case FleetResult::Refused:
        break;
    }
    return "refused";
}

// One row of the bench's log: a radio and what became of it.
struct FleetRecord {
    QDateTime time;      // when the bench was done with the radio
    int cable = -1;      // the bench's number of the cable, from 0
    QString device;      // the cable as it is opened
    QString stableName;  // its /dev/serial/by-id name, where it has one
    int radio = 0;       // the radio's number on that cable, from 1
    std::optional<RadioVariant> variant; // none when the radio did not say
    QString backup;      // the backup copy in the radio history, where one was kept
    FleetResult result = FleetResult::Failed;
    QString detail;      // why, in the bench's language; may be empty for a good radio
};

Q_DECLARE_METATYPE(FleetRecord)
