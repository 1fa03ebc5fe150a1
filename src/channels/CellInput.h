#pragma once

#include <QString>
#include <optional>

class ChannelTableModel;

// One value entered into a cell other than by its editor (pasted, filled down, set for a
// column), checked as a typed value confirmed with Enter: the band and raster of a
// frequency, the entries a list offers (the first letters are enough). The reason when
// it is refused, and then the cell keeps its value; an empty value leaves a list cell as
// it is. A value longer than any cell holds is refused unread.
std::optional<QString> enterCellValue(ChannelTableModel& model, int channel, int col, const QString& value);
