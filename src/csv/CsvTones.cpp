#include "csv/CsvTones.h"

#include "csv/CsvNumber.h"
#include "model/DecimalMath.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

using Kind = ToneSource::Kind;

// One tone field as the columns write it: a CTCSS value, or a DCS code with its
// polarity letter.
struct ToneSide {
    Kind kind = Kind::None;
    QString value;
    QChar polarity = QLatin1Char('N');
};

ToneSide sideOf(ToneField field)
{
    if (isNoTone(field.high))
        return {};
    const QString text = toneTextFromField(field); // "88.5", "D023N", "D754I"
    if (text.startsWith(QLatin1Char('D')))
        return {Kind::Dcs, text.mid(1, 3),
                text.endsWith(QLatin1Char('I')) ? QLatin1Char('R') : QLatin1Char('N')};
    return {Kind::Ctcss, text, QLatin1Char('N')};
}

QString crossName(Kind kind)
{
    switch (kind) {
    case Kind::Ctcss:
        return QStringLiteral("Tone");
    case Kind::Dcs:
        return QStringLiteral("DTCS");
    case Kind::None:
        break;
    }
    return {};
}

std::optional<Kind> kindOfCrossName(const QString& name)
{
    if (name.isEmpty())
        return Kind::None;
    if (name.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
        return Kind::Ctcss;
    if (name.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0)
        return Kind::Dcs;
    return std::nullopt;
}

void fillCross(ToneColumns& columns, const ToneSide& decode, const ToneSide& encode)
{
    columns.tone = QStringLiteral("Cross");
    columns.crossMode = crossName(encode.kind) + QStringLiteral("->") + crossName(decode.kind);
    if (encode.kind == Kind::Ctcss)
        columns.rToneFreq = encode.value;
    else if (encode.kind == Kind::Dcs)
        columns.dtcsCode = encode.value;
    if (decode.kind == Kind::Ctcss)
        columns.cToneFreq = decode.value;
    else if (decode.kind == Kind::Dcs)
        columns.rxDtcsCode = decode.value;
    if (encode.kind == Kind::Dcs || decode.kind == Kind::Dcs)
        columns.dtcsPolarity = QString(encode.polarity) + decode.polarity;
}

Refusal refusal(RefusalReason reason, CsvColumn::Id column, const QString& value)
{
    return {reason, csvColumnName(column), value, 0};
}

std::optional<Refusal> ctcssField(CsvColumn::Id column, const QString& text, ToneField& field)
{
    const std::optional<double> hertz = csvNumber(text);
    if (!hertz)
        return refusal(RefusalReason::NotANumber, column, text);
    // Tenths of a hertz must come out whole: 88.5 is a tone, 88.55 is not.
    const double tenths = decimalMultiply(*hertz, 10.0);
    if (!(tenths > 0.0 && tenths < 65536.0) || tenths != std::trunc(tenths) ||
        !isListedCtcssTone(static_cast<int>(tenths)))
        return refusal(RefusalReason::UnlistedCtcss, column, text);
    field = toneFieldFromText(QString::asprintf("%.1f", tenths / 10.0));
    return std::nullopt;
}

std::optional<Refusal> dcsField(const ToneSource& source, const QString& text, const QString& polarity,
                                ToneField& field)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!digits.match(text).hasMatch() || !isDcsTableCode(text.toInt()))
        return refusal(RefusalReason::UnknownDcs, source.column, text);
    // Two letters, transmit then receive; no column or an empty one is normal both ways.
    const QString letters = polarity.isEmpty() ? QStringLiteral("NN") : polarity.toUpper();
    const bool wellFormed = letters.size() == 2 && (letters[0] == u'N' || letters[0] == u'R') &&
                            (letters[1] == u'N' || letters[1] == u'R');
    if (!wellFormed)
        return refusal(RefusalReason::UnknownValue, CsvColumn::DtcsPolarity, polarity);
    const bool inverted = letters[source.polarityLetter] == u'R';
    field = toneFieldFromText(QString::asprintf("D%03d%c", text.toInt(), inverted ? 'I' : 'N'));
    return std::nullopt;
}

ToneSource ctcssFrom(CsvColumn::Id column)
{
    return {Kind::Ctcss, column, 0};
}

ToneSource dcsFrom(CsvColumn::Id column, int polarityLetter)
{
    return {Kind::Dcs, column, polarityLetter};
}

std::optional<Refusal> routeCross(const CsvHeader& header, const CsvRecord& row, ToneRoute& route)
{
    const QString mode = header.value(row, CsvColumn::CrossMode);
    const qsizetype arrow = mode.indexOf(QLatin1String("->"));
    const auto transmit = kindOfCrossName(mode.left(std::max<qsizetype>(arrow, 0)).trimmed());
    const auto receive = kindOfCrossName(mode.mid(arrow + 2).trimmed());
    if (arrow < 0 || !transmit || !receive || (*transmit == Kind::None && *receive == Kind::None))
        return refusal(RefusalReason::UnknownValue, CsvColumn::CrossMode, mode);
    if (*transmit == Kind::Ctcss)
        route.encode = ctcssFrom(CsvColumn::RToneFreq);
    else if (*transmit == Kind::Dcs)
        route.encode = dcsFrom(CsvColumn::DtcsCode, 0);
    if (*receive == Kind::Ctcss)
        route.decode = ctcssFrom(CsvColumn::CToneFreq);
    else if (*receive == Kind::Dcs)
        route.decode = dcsFrom(CsvColumn::RxDtcsCode, 1);
    return std::nullopt;
}

} // namespace

ToneColumns toneColumnsOf(ToneField decodeField, ToneField encodeField)
{
    const ToneSide decode = sideOf(decodeField);
    const ToneSide encode = sideOf(encodeField);
    ToneColumns columns;
    if (decode.kind == Kind::None && encode.kind == Kind::None)
        return columns;
    if (decode.kind == Kind::None && encode.kind == Kind::Ctcss) {
        columns.tone = QStringLiteral("Tone");
        columns.rToneFreq = encode.value;
    } else if (decode.kind == Kind::Ctcss && encode.kind == Kind::Ctcss && decode.value == encode.value) {
        columns.tone = QStringLiteral("TSQL");
        columns.cToneFreq = decode.value;
    } else if (decode.kind == Kind::Dcs && encode.kind == Kind::Dcs && decode.value == encode.value) {
        columns.tone = QStringLiteral("DTCS");
        columns.dtcsCode = decode.value;
        columns.dtcsPolarity = QString(encode.polarity) + decode.polarity;
    } else {
        fillCross(columns, decode, encode);
    }
    return columns;
}

bool isCsvTone(ToneField field)
{
    switch (sideOf(field).kind) {
    case Kind::Ctcss:
        return isListedCtcssTone(field.low + 256 * field.high);
    case Kind::Dcs:
        return dcsCodeFromBits(field.low, field.high) != 0;
    case Kind::None:
        break;
    }
    return true;
}

std::optional<Refusal> routeTones(const CsvHeader& header, const CsvRecord& row, ToneRoute& route)
{
    route = {};
    const QString mode = header.value(row, CsvColumn::Tone);
    if (mode.isEmpty())
        return std::nullopt;
    if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        route.encode = ctcssFrom(CsvColumn::RToneFreq);
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        // The squelch tone sits in cToneFreq; files that leave it empty give it in rToneFreq.
        const bool inRTone = header.value(row, CsvColumn::CToneFreq).isEmpty() &&
                             !header.value(row, CsvColumn::RToneFreq).isEmpty();
        route.encode = route.decode = ctcssFrom(inRTone ? CsvColumn::RToneFreq : CsvColumn::CToneFreq);
    } else if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        route.encode = dcsFrom(CsvColumn::DtcsCode, 0);
        route.decode = dcsFrom(CsvColumn::DtcsCode, 1);
    } else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        return routeCross(header, row, route);
    } else {
        return refusal(RefusalReason::UnknownValue, CsvColumn::Tone, mode);
    }
    return std::nullopt;
}

std::optional<Refusal> toneFieldFrom(const ToneSource& source, const CsvHeader& header, const CsvRecord& row,
                                     ToneField& field)
{
    field = {};
    if (source.kind == Kind::None)
        return std::nullopt;
    const QString text = header.value(row, source.column);
    if (text.isEmpty())
        return refusal(RefusalReason::MissingValue, source.column, text);
    if (source.kind == Kind::Ctcss)
        return ctcssField(source.column, text, field);
    return dcsField(source, text, header.value(row, CsvColumn::DtcsPolarity), field);
}
