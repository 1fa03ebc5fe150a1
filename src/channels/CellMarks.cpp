#include "channels/CellMarks.h"

#include "model/ImageDiffText.h"

#include <QCoreApplication>

void CellMarks::set(Kind kind, const RadioImage& image, const QString& label, bool shown)
{
    Reference ref{image, label, shown, {}};
    decodeOne(ref);
    refs_[kind] = std::move(ref);
}

void CellMarks::setShown(Kind kind, bool shown)
{
    if (has(kind))
        refs_[kind]->shown = shown;
}

void CellMarks::decode(RadioVariant variant, Language language)
{
    variant_ = variant;
    language_ = language;
    for (std::optional<Reference>& ref : refs_)
        if (ref)
            decodeOne(*ref);
}

void CellMarks::decodeOne(Reference& ref) const
{
    decodeChannels(ref.image, variant_, language_, ref.texts);
}

std::optional<QString> CellMarks::differingText(Kind kind, int channel, int col, const QString& own) const
{
    if (!isShown(kind) || channel < 1 || channel > RadioImage::ChannelCount || col < 1 ||
        col >= GridColumn::Count)
        return std::nullopt;
    const QString& theirs =
        refs_[kind]->texts[static_cast<std::size_t>(channel)][static_cast<std::size_t>(col)];
    if (theirs == own)
        return std::nullopt;
    return theirs;
}

QString CellMarks::describe(Kind kind, const QString& text) const
{
    return describe(kind, has(kind) ? refs_[kind]->label : QString(), text, language_);
}

QString CellMarks::describe(Kind kind, const QString& label, const QString& text, Language language)
{
    const QString value = diffValueText(text, language);
    switch (kind) {
    case Radio:
        //: The tool tip of a cell that differs from what the radio held at the last compare.
        return QCoreApplication::translate("CellMarks", "Radio: %1").arg(value);
    case Saved:
        //: The tool tip of a cell an edit changed since the file was opened or saved.
        return QCoreApplication::translate("CellMarks", "Saved: %1").arg(value);
    default:
        return QStringLiteral("%1: %2").arg(label, value);
    }
}
