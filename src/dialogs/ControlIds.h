#pragma once

#include "uikit/DialogButtons.h"

// Resource ids of the settings dialogs and their controls. The help topics are keyed
// by these numbers, so they must not change.
namespace DialogId {
constexpr int OptionalFeatures = 132;
} // namespace DialogId

namespace ControlId {
constexpr int Ok = OkButtonId;
constexpr int Cancel = CancelButtonId;

// Optional Features
constexpr int PriorityChannelList = 1006;
constexpr int VoxList = 1007;
constexpr int TransmitDelayEdit = 1008;
constexpr int TransmitDelaySpin = 1009;
constexpr int TimeOutLabel = 1010;
constexpr int TransmitDelayLabel = 1011;
constexpr int SquelchLabel = 1012;
constexpr int BeepCheck = 1016;
constexpr int BatterySaverCheck = 1017;
constexpr int SquelchList = 1116;
constexpr int TimeOutList = 1118;
constexpr int VoiceList = 1119;
constexpr int SideKeyList = 1120;
constexpr int VoxGainList = 1121;
constexpr int VoxDelayList = 1140;

// Product Information
constexpr int TypeList = 1013;
constexpr int FrequencyList = 1014;
} // namespace ControlId
