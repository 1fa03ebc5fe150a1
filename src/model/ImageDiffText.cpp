#include "model/ImageDiffText.h"

#include "model/ChoiceTexts.h"

#include <limits>

namespace {

QString changeText(const QString& before, const QString& after, Language language)
{
    return diffValueText(before, language) + QStringLiteral(" -> ") + diffValueText(after, language);
}

QString cellLine(const CellChange& cell, Language language)
{
    return QStringLiteral("%1 %2, %3: %4")
        .arg(columnTitle(0, language))
        .arg(cell.channel)
        .arg(columnTitle(cell.column, language), changeText(cell.before, cell.after, language));
}

QString optionLine(const OptionChange& option, Language language)
{
    return option.label + QStringLiteral(": ") + changeText(option.before, option.after, language);
}

QString byteLine(const ByteChange& byte, Language language)
{
    return byLanguage(language, "Byte", "字节") +
           QString::asprintf(" 0x%03X: %02X -> %02X", byte.offset, byte.before, byte.after);
}

} // namespace

QString diffValueText(const QString& text, Language language)
{
    return text.isEmpty() ? byLanguage(language, "(blank)", "(空)") : text;
}

QStringList imageDiffLines(const ImageDiff& diff, Language language)
{
    QStringList lines;
    for (const CellChange& cell : diff.cells)
        lines << cellLine(cell, language);
    for (const OptionChange& option : diff.options)
        lines << optionLine(option, language);
    for (const ByteChange& byte : diff.bytes)
        lines << byteLine(byte, language);
    return lines;
}

QString firstDifferenceLine(const ImageDiff& diff, Language language)
{
    int first = std::numeric_limits<int>::max();
    QString line;
    // Strictly lower only: at one offset a cell or an option wins over the byte beside it.
    const auto consider = [&](int offset, const auto& makeLine) {
        if (offset >= first)
            return;
        first = offset;
        line = makeLine();
    };
    for (const CellChange& cell : diff.cells)
        consider(cell.offset, [&] { return cellLine(cell, language); });
    for (const OptionChange& option : diff.options)
        consider(option.offset, [&] { return optionLine(option, language); });
    for (const ByteChange& byte : diff.bytes)
        consider(byte.offset, [&] { return byteLine(byte, language); });
    return line;
}
