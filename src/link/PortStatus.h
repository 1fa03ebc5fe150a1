#pragma once

#include "model/Language.h"

#include <QString>

// Whether a serial device can be opened right now, and if not, why: what the Port
// Setting dialog shows for each port, and what a failed transfer explains.
struct PortStatus {
    enum class State {
        Ok,           // opens
        Absent,       // no such device
        InUse,        // held by another program
        NoPermission, // the user may not open it
        Failed        // anything else: systemText says what
    };

    State state = State::Ok;
    QString holder; // InUse: the program named by the device's lock file, when known
    qint64 holderPid = 0;
    QString group;      // NoPermission: the group whose members may open the device, when any
    QString user;       // NoPermission: the user to add to that group
    QString systemText; // the system's own words, when it gave any

    bool ok() const { return state == State::Ok; }

    static PortStatus of(State state, const QString& systemText = {})
    {
        PortStatus status;
        status.state = state;
        status.systemText = systemText;
        return status;
    }
};

// One or two words for lists: "ok", "absent", "in use", "no permission", "error".
QString portStateWord(const PortStatus& status, Language language);
// The full explanation, with what to do about it, naming the device.
QString portStatusText(const PortStatus& status, const QString& device, Language language);
