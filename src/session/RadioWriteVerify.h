#pragma once

#include "document/RadioHistory.h"
#include "link/CloneTransfer.h"
#include "model/Language.h"
#include "model/RadioImage.h"
#include "session/HistoryKeeper.h"

// Write, then Verify: bytes 0 to 815 of an image go into the radio; a verify is a second
// session on the same device that reads the radio back (a radio that acknowledged every
// block may still not hold them), keeps that read in the radio history and names the
// first difference. The two are separate calls, so each may run on a transfer of its own
// (the command line counts its retries per session) and the caller decides whether to
// verify. No window and no process-wide state: it may run on a thread of its own.
class RadioWriteVerify {
public:
    struct Verification {
        CloneTransfer::Result readBack;
        RadioHistory::Stored copy; // completed: the copy of the image read back
        bool verified = false;     // the radio holds every byte written
        QString failureText;       // not verified: how many bytes differ, and the first difference

        bool completed() const { return readBack.completed(); }
    };

    RadioWriteVerify(const RadioImage& image, HistoryKeeper history, Language language)
        : image_(image), history_(std::move(history)), language_(language)
    {
    }

    CloneTransfer::Result write(CloneTransfer& transfer, const QString& device) const;
    Verification verify(CloneTransfer& transfer, const QString& device) const;

private:
    RadioImage image_;
    HistoryKeeper history_;
    Language language_;
};
