#pragma once

#include "model/RadioVariant.h"

#include <QString>

// The radio's variant as the windows name it: "Receive only", "Transmit only", "Other".
QString radioVariantText(RadioVariant variant);
