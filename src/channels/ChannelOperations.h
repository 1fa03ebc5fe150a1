#pragma once

#include "model/RadioImage.h"

#include <QList>
#include <QString>
#include <array>
#include <vector>

class ChannelTableModel;

// The channel operations of the grid, on the model and its image: moving, inserting,
// deleting and sorting whole channels, and filling or setting a column of several.
//
// A channel moves as its whole 16-byte record with its scan bit, so what the grid does not
// show (Busy Lock, Power, the columns the radio type hides, bytes nobody interprets) goes
// with it, and the priority channel follows the channel it names. A channel no longer
// there leaves the record of a new document behind. Values go in through the commit rules
// of a typed value, as a paste's do.

// Channels first..last, 1..16.
struct ChannelSpan {
    int first = 1;
    int last = 1;
};

// A value that did not go into its cell, and why.
struct CellRefusal {
    int channel;
    int col;
    QString value;
    QString reason;
};

// The channel each position takes, position 1 first: 1..16, or 0 for an empty channel.
using ChannelOrder = std::array<int, RadioImage::ChannelCount>;

namespace ChannelOperations {

// Puts the channels in the order given; the model shows them.
void rearrange(ChannelTableModel& model, const ChannelOrder& order);

// Moves the channels of span to stand before channel before (1..17); false when that
// leaves them where they are.
bool moveTo(ChannelTableModel& model, ChannelSpan span, int before);
// An empty channel at position at, the channels from there on one further down. Refused
// (false, nothing changed) when channel 16 is in use: it would fall off the end.
bool insertEmpty(ChannelTableModel& model, int at);
// The channels of span go; the ones below move up and empty channels fill the end.
void remove(ChannelTableModel& model, ChannelSpan span);
// The column the radio type sorts by: Rx Frequency, or Tx Frequency on a transmit-only
// radio, which has no receive frequency.
int sortColumn(const ChannelTableModel& model);
// Sorts the channels of span (all sixteen when it holds one) by that frequency, lowest
// first, channels not in use last; equal ones keep their order.
void sortByFrequency(ChannelTableModel& model, ChannelSpan span);

// The values of the first channel of span in columns into the channels below it (for
// a span of one channel, the channel above into it), channel by channel.
std::vector<CellRefusal> fillDown(ChannelTableModel& model, ChannelSpan span, const QList<int>& columns);
// One value into column col of every channel of span.
std::vector<CellRefusal> setColumn(ChannelTableModel& model, ChannelSpan span, int col, const QString& value);

} // namespace ChannelOperations
