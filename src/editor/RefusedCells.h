#pragma once

#include "channels/ChannelOperations.h"

#include <QString>
#include <vector>

class ChannelView;

// The one message after values went into several cells at once (a paste, Fill Down, a
// column set for several channels): heading, then each refused cell with its channel,
// column, value and reason, the first ten named and the rest counted, then note. Shown
// as the commit messages are (caption "Caution"); nothing when there is nothing to say.
void reportRefusedCells(ChannelView& view, const QString& heading, const std::vector<CellRefusal>& refused,
                        const QString& note = {});
// A message box of the view with the caption and icon of the commit messages.
void showCautionMessage(ChannelView& view, const QString& text);
