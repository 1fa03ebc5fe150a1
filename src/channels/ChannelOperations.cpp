#include "channels/ChannelOperations.h"

#include "channels/CellInput.h"
#include "channels/ChannelTableModel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

constexpr int Count = RadioImage::ChannelCount;

ChannelOrder unchanged()
{
    ChannelOrder order;
    std::iota(order.begin(), order.end(), 1);
    return order;
}

bool isEmpty(const ChannelTableModel& model, int channel)
{
    return isChannelEmpty(model.image(), channel, model.variant());
}

// Where the priority channel's channel went; Off when it is gone.
int priorityAfter(int priority, const ChannelOrder& order)
{
    if (priority < 1 || priority > Count)
        return priority; // Off, or a value the radio gave that names no channel
    const auto found = std::find(order.cbegin(), order.cend(), priority);
    return found == order.cend() ? 0 : int(found - order.cbegin()) + 1;
}

bool rearrangeIfChanged(ChannelTableModel& model, const ChannelOrder& order)
{
    if (order == unchanged())
        return false;
    ChannelOperations::rearrange(model, order);
    return true;
}

QString notInUse()
{
    return QCoreApplication::translate("ChannelOperations",
                                       "the channel is not in use: enter its frequency first");
}

// A value into a cell, or why not; a channel not in use takes no attribute.
void enter(ChannelTableModel& model, int channel, int col, const QString& value,
           std::vector<CellRefusal>& refused)
{
    if (model.choices().isList(col) && isEmpty(model, channel)) {
        if (!value.isEmpty())
            refused.push_back({channel, col, value, notInUse()});
        return;
    }
    if (const std::optional<QString> reason = enterCellValue(model, channel, col, value))
        refused.push_back({channel, col, value, *reason});
}

} // namespace

void ChannelOperations::rearrange(ChannelTableModel& model, const ChannelOrder& order)
{
    static const RadioImage blank = RadioImage::makeNew();
    RadioImage& image = model.image();
    const RadioImage before = image;
    for (int n = 1; n <= Count; ++n) {
        const int from = order[static_cast<std::size_t>(n - 1)];
        const RadioImage& source = from == 0 ? blank : before;
        const int channel = from == 0 ? n : from;
        std::memcpy(image.channel(n), source.channel(channel), RadioImage::RowSize);
        image.setScanBit(n, source.scanBit(channel));
    }
    image[RadioImage::OptPriorityChannel] =
        static_cast<std::uint8_t>(priorityAfter(before[RadioImage::OptPriorityChannel], order));
    model.refresh();
}

bool ChannelOperations::moveTo(ChannelTableModel& model, ChannelSpan span, int before)
{
    ChannelOrder order = unchanged();
    const auto first = order.begin() + (span.first - 1);
    const auto last = order.begin() + span.last;
    const auto target = order.begin() + (std::clamp(before, 1, Count + 1) - 1);
    if (target < first)
        std::rotate(target, first, last);
    else if (target > last)
        std::rotate(first, last, target);
    return rearrangeIfChanged(model, order);
}

bool ChannelOperations::insertEmpty(ChannelTableModel& model, int at)
{
    if (!isEmpty(model, Count))
        return false;
    ChannelOrder order = unchanged();
    std::rotate(order.begin() + (at - 1), order.end() - 1, order.end());
    order[static_cast<std::size_t>(at - 1)] = 0;
    rearrangeIfChanged(model, order);
    return true;
}

void ChannelOperations::remove(ChannelTableModel& model, ChannelSpan span)
{
    ChannelOrder order = unchanged();
    const auto end = std::rotate(order.begin() + (span.first - 1), order.begin() + span.last, order.end());
    std::fill(end, order.end(), 0);
    rearrangeIfChanged(model, order);
}

int ChannelOperations::sortColumn(const ChannelTableModel& model)
{
    return model.variant() == RadioVariant::TransmitOnly ? GridColumn::TxFrequency : GridColumn::RxFrequency;
}

void ChannelOperations::sortByFrequency(ChannelTableModel& model, ChannelSpan span)
{
    if (span.first == span.last)
        span = {1, Count};
    const int offset =
        sortColumn(model) == GridColumn::TxFrequency ? RadioImage::RecTxFreq : RadioImage::RecRxFreq;
    // Channels not in use sort after every frequency.
    const auto key = [&model, offset](int channel) {
        return isEmpty(model, channel)
                   ? std::uint64_t(1) << 32
                   : RadioImage::frequencyFromBytes(model.image().channel(channel) + offset);
    };
    ChannelOrder order = unchanged();
    std::stable_sort(order.begin() + (span.first - 1), order.begin() + span.last,
                     [&key](int a, int b) { return key(a) < key(b); });
    rearrangeIfChanged(model, order);
}

std::vector<CellRefusal> ChannelOperations::fillDown(ChannelTableModel& model, ChannelSpan span,
                                                     const QList<int>& columns)
{
    const int source = span.first < span.last ? span.first : span.first - 1;
    std::vector<CellRefusal> refused;
    if (source < 1)
        return refused;
    QStringList values;
    for (int col : columns)
        values << model.text(source, col);
    for (int channel = source + 1; channel <= span.last; ++channel)
        for (int i = 0; i < columns.size(); ++i)
            enter(model, channel, columns[i], values[i], refused);
    return refused;
}

std::vector<CellRefusal> ChannelOperations::setColumn(ChannelTableModel& model, ChannelSpan span, int col,
                                                      const QString& value)
{
    std::vector<CellRefusal> refused;
    for (int channel = span.first; channel <= span.last; ++channel)
        enter(model, channel, col, value, refused);
    return refused;
}
