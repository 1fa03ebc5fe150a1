#pragma once

#include "csv/CsvRefusal.h"
#include "model/Language.h"
#include "model/ProductBand.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QByteArray>
#include <optional>
#include <vector>

// One data row of the file and what became of it.
struct ImportedRow {
    int line = 0;     // line of the file where the row starts
    QString location; // as written
    int channel = 0;  // 1..16 when the row was taken
    std::optional<Refusal> refusal;
};

struct CsvImportReport {
    std::vector<ImportedRow> rows;
    bool zeroBased = false; // the file's locations start at 0
    BandLimits band;
    int taken() const;
    int refused() const;
};

// Why a whole file cannot be read as a channel list.
enum class CsvFileProblem { None, TooLarge, UnclosedQuote, NoHeader };

struct CsvImportResult {
    CsvFileProblem problem = CsvFileProblem::None;
    int problemLine = 0; // UnclosedQuote: where the quoted field starts
    RadioImage image;    // the image with every taken row applied
    CsvImportReport report;
};

// Files larger than this are no channel list of a 16-channel radio.
constexpr qsizetype MaxCsvFileSize = 1024 * 1024;

// Applies the rows of a channel list to a copy of base. Every row is checked as the grid
// checks a typed value (the band, the 5 / 6.25 kHz raster, the radio's tones) and is
// taken whole or refused whole. Channels the file does not name stay as they were, and so
// do the bits no column describes (busy lock included; a channel that was empty gets the
// grid's defaults for what the file leaves out: Wide, not scanned, busy lock Off, High).
// The fields the variant hides from the grid are stored absent.
CsvImportResult importChannelsCsv(const QByteArray& bytes, const RadioImage& base, RadioVariant variant,
                                  BandLimits band);

// Texts of the report in English or Chinese.
QString csvFileProblemText(const CsvImportResult& result, Language language);
QString importSummaryText(const CsvImportReport& report, Language language);
