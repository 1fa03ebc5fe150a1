#pragma once

#include "document/RadioHistory.h"
#include "link/CloneTransfer.h"
#include "model/RadioImage.h"
#include "session/HistoryKeeper.h"

// Read: the radio's transfer area over a base image, and a copy of the image read kept in
// the radio history. Bytes 816 to 1023 never cross the line, so they come from the base
// (the document, or the command line's --base). The transfer's hooks are the caller's
// (the progress window, Ctrl+C); nothing here touches a window or process-wide state, so
// a read may run on a thread of its own.
class RadioRead {
public:
    struct Result {
        CloneTransfer::Result transfer;
        RadioImage image;          // completed: the base with the radio's transfer area
        RadioHistory::Stored copy; // completed: the copy kept, or the path it could not take and why

        bool completed() const { return transfer.completed(); }
        RadioVariant variant() const { return transfer.variant(); }
    };

    explicit RadioRead(HistoryKeeper history) : history_(std::move(history)) {}

    Result run(CloneTransfer& transfer, const QString& device, const RadioImage& base) const;

private:
    HistoryKeeper history_;
};
