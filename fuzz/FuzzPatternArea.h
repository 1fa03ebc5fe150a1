#pragma once

#include "link/CloneFrames.h"

// A transfer area in which every byte differs from its neighbours, so that a block moved to
// the wrong place shows.
inline CloneFrames::TransferArea fuzzPatternArea()
{
    CloneFrames::TransferArea area;
    for (std::size_t i = 0; i < area.size(); ++i)
        area[i] = static_cast<std::uint8_t>(i * 7 + 13);
    return area;
}
