#pragma once

#include "link/PortMap.h"

#include <QString>
#include <optional>

// The COM slots of the program's Program.ini ([Ports], else the default devices).
PortMap programPortMap();

// --port auto: the one likely programming cable present. With none or several, the
// candidates go to stderr and exitStatus becomes the port error's.
std::optional<QString> automaticPort(int& exitStatus);
