#pragma once

#include "model/Language.h"

#include <QMetaType>
#include <QString>

// Where one cable of the bench is. Each goes round on its own: waiting for a radio, backup,
// writing, verifying, then waiting for the radio to be taken off, and waiting again.
enum class FleetState {
    Waiting,     // a handshake tried about once a second; silence is no error
    Backup,      // the radio read into the radio history
    Writing,     // the plan going in
    Verifying,   // read back and compared
    Remove,      // done: waits until the radio stops answering, so none is programmed twice
    Unavailable, // the cable does not open (pulled out, in use): tried again each second
    Stopped      // the cable's work has ended
};

Q_DECLARE_METATYPE(FleetState)

// The state in words, as the bench's window and the command line show it.
QString fleetStateText(FleetState state, Language language);
