#pragma once

#include <QString>
#include <optional>

class ChannelTableModel;

// One value put into a cell from elsewhere (a pasted field, a cell copied from another
// file) the way a typed value confirmed with Enter is: a list cell takes only an entry
// of its list (an empty value leaves it as it is), a frequency passes the band and
// raster checks. The reason when it is refused, and then the cell keeps its value; a
// value longer than any cell holds is refused unread.
std::optional<QString> pasteCell(ChannelTableModel& model, int row, int col, const QString& value);
