#pragma once

#include <QString>

class ChannelView;

// The channel operations of the Edit menu and the grid's context menu, on the view's
// selected channels: the rows of the selection, or the current channel. Each commits an
// open editor first, does nothing while the grid cannot be edited, and is one undo step;
// the selection goes with the channels moved. True when the channels changed.

// One place up (step -1) or down (+1).
bool moveSelectedChannels(ChannelView& view, int step);
// To stand before channel before (1..17), where a drag dropped them.
bool dropSelectedChannels(ChannelView& view, int before);
// An empty channel at the first selected one; refused with a message while channel 16
// is in use.
bool insertEmptyChannel(ChannelView& view);
bool deleteSelectedChannels(ChannelView& view);
// By frequency; all channels when one is selected.
bool sortSelectedChannels(ChannelView& view);
// The first selected cell of each selected column into the selected cells below it (the
// cell above into a single one); refused cells are named in one message, as a paste's.
bool fillDown(ChannelView& view);
// One value into column col of the selected channels; refusals as Fill Down's.
bool setColumnOfSelected(ChannelView& view, int col, const QString& value);
