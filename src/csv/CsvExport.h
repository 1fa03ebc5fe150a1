#pragma once

#include "csv/CsvExportWarning.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QByteArray>
#include <vector>

struct CsvExportResult {
    QByteArray text;
    std::vector<CsvExportWarning> warnings; // what was left out, in channel order
};

// The channel list of an image as comma-separated text (UTF-8, CR LF): the header and one
// row per channel in use, all 21 columns, frequencies in MHz with 6 decimals.
//
// A channel is in use as the grid sees it for the radio variant: receive-only radios by
// their Rx frequency, transmit-only ones by their Tx frequency, others by either. What
// the variant hides from the grid (Tx and the encode tone of a receive-only radio, Rx and
// the decode tone of a transmit-only one) is not written either: a transmit-only channel
// gives its Tx frequency as Frequency with Duplex "" (Tx = Rx).
//
// Nothing is written that the import would read otherwise or refuse: a channel of a
// radio of another type that only transmits (the layout cannot say so) and a tone that is
// none of the radio's (a CTCSS tone off the 50, a DCS value off the table) are left out,
// each with a warning.
CsvExportResult exportChannelsCsv(const RadioImage& image, RadioVariant variant);
