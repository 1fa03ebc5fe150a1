#pragma once

#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QByteArray>

// The channel list of an image as comma-separated text (UTF-8, CR LF): the header and one
// row per channel in use, all 21 columns, frequencies in MHz with 6 decimals.
//
// A channel is in use as the grid sees it for the radio variant: receive-only radios by
// their Rx frequency, transmit-only ones by their Tx frequency, others by either. What
// the variant hides from the grid (Tx and the encode tone of a receive-only radio, Rx and
// the decode tone of a transmit-only one) is not written either: a transmit-only channel
// gives its Tx frequency as Frequency with Duplex "" (Tx = Rx).
QByteArray exportChannelsCsv(const RadioImage& image, RadioVariant variant);
