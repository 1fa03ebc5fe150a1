#pragma once

#include "link/CloneFrames.h"

// What the demo radio holds when the program starts with --demo: a few channels in the
// first band of the first radio type, so that a Read shows something at once.
CloneFrames::TransferArea demoRadioMemory();
