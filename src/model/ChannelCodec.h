#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QString>
#include <array>
#include <cstdint>

// Grid column numbers of the channel attributes (column 0 is the channel number).
namespace GridColumn {
constexpr int Number = 0;
constexpr int RxFrequency = 1;
constexpr int TxFrequency = 2;
constexpr int DecodeTone = 3;
constexpr int EncodeTone = 4;
constexpr int Bandwidth = 5;
constexpr int Scan = 6;
constexpr int BusyLock = 7;
constexpr int Power = 8;
constexpr int Count = 9;
} // namespace GridColumn

constexpr int GridRowCount = RadioImage::ChannelCount + 1;

// No cell text comes near this length (a frequency has 9 characters, a tone 5): a longer
// value is refused before it is read.
constexpr int MaxCellTextLength = 64;

// The 17 x 9 cell texts of the channel grid: row 0 titles, column 0 channel numbers,
// rows 1..16 channels 1..16. Between a decode and an encode these texts are the data.
using ChannelTexts = std::array<std::array<QString, GridColumn::Count>, GridRowCount>;

bool isChannelEmpty(const RadioImage& image, int channel, RadioVariant variant);

// "%3.5f" MHz of a frequency field, or the empty text when it is absent.
QString frequencyText(const std::uint8_t* field);
// The frequency count (10 Hz units) of a typed text, 0 for none or nonsense.
std::uint32_t frequencyCountFromText(const QString& text);

// The columns a radio of the variant does not show: Tx Frequency and QT/DQT Enc of a
// receive-only radio; Rx Frequency, QT/DQT Dec and Scan of a transmit-only one. They are
// never written from the grid, so the bytes the radio holds there stay as they are.
bool isColumnHiddenByVariant(int col, RadioVariant variant);
// The hidden frequency and tone columns also show as empty cells (Scan keeps its text).
bool isColumnBlankedByVariant(int col, RadioVariant variant);

// One cell (channel 1..16, column 1..8) as the grid shows the image.
QString decodeChannelCell(const RadioImage& image, int channel, int col, RadioVariant variant, Language language);
// Writes one cell's text into its field of the channel record (or its scan bit); every
// other byte stays as it is. Texts of either language are understood.
void encodeChannelCell(RadioImage& image, int channel, int col, const QString& text);

// Writes rows 1..16, columns 1..8 as the grid shows the image; row 0 and column 0 are
// left to the caller.
void decodeChannels(const RadioImage& image, RadioVariant variant, Language language, ChannelTexts& cells);

// Writes the channel records and scan bitmap from the cells. Hidden columns of the
// variant are blanked in the cells first, so they are stored absent.
void encodeChannels(ChannelTexts& cells, RadioVariant variant, RadioImage& image);
