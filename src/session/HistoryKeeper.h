#pragma once

#include "document/RadioHistory.h"

class FileWriter;

// Where a radio workflow keeps the copy of each image it read: the radio history in its
// folder, written through the program's file writer (by default the system's). A copy
// that cannot be kept is the workflow's to report; the read itself stands.
class HistoryKeeper {
public:
    explicit HistoryKeeper(const QString& folder) : history_(folder) {}
    HistoryKeeper(const QString& folder, const FileWriter& writer) : history_(folder), writer_(&writer) {}

    RadioHistory::Stored keep(const RadioImage& image, RadioVariant variant) const
    {
        return writer_ ? history_.store(image, variant, *writer_) : history_.store(image, variant);
    }

private:
    RadioHistory history_;
    const FileWriter* writer_ = nullptr;
};
