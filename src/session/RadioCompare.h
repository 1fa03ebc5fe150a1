#pragma once

#include "model/ImageDiff.h"
#include "model/Language.h"
#include "session/RadioRead.h"

#include <QStringList>

// Compare with Radio: reads the radio into a scratch image (the document's image with
// the radio's transfer area), keeps that read in the radio history, and lists what
// differs, the document's texts before the arrow and the radio's after, in the texts of
// the radio's variant. The document stays as it is.
class RadioCompare {
public:
    struct Result {
        RadioRead::Result read; // read.image: the radio's image
        ImageDiff diff;
        QStringList lines; // what the Compare window and xr970-cli compare show

        bool completed() const { return read.completed(); }
    };

    RadioCompare(HistoryKeeper history, Language language) : reader_(std::move(history)), language_(language)
    {
    }

    Result run(CloneTransfer& transfer, const QString& device, const RadioImage& document) const;

private:
    RadioRead reader_;
    Language language_;
};
