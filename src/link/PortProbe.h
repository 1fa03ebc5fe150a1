#pragma once

#include "link/PortStatus.h"

#include <QString>

// Tries a device the way a transfer opens it (exclusively, read and write), closes it
// again at once, and says why it did not open: absent, held by another program (named
// by its lock file), no permission (with the group that may), or the system's words.
PortStatus probePort(const QString& device);

// The device node behind a name: /dev/serial/by-id/... leads to /dev/ttyUSB0. Other
// programs lock the node, so this program opens and locks the node too. The name itself
// when it leads nowhere.
QString deviceNode(const QString& device);

// The name of the user this program runs as.
QString currentUserName();
