#pragma once

#include "document/RadioHistory.h"

class FileWriter;

// Where a radio workflow keeps the copy of each image it read: the radio history in its
// folder, written through the program's file writer. A copy that cannot be kept is the
// workflow's to report; the read itself stands.
class HistoryKeeper {
public:
    HistoryKeeper(const QString& folder, const FileWriter& writer) : history_(folder), writer_(writer) {}

    RadioHistory::Stored keep(const RadioImage& image, RadioVariant variant) const
    {
        return history_.store(image, variant, writer_);
    }

private:
    RadioHistory history_;
    const FileWriter& writer_;
};
