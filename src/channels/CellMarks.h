#pragma once

#include "model/ChannelCodec.h"
#include "model/Language.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QString>
#include <array>
#include <optional>

// The images a channel table is compared with, cell by cell: what the radio held at the
// last Compare with Radio, the image as it was last opened or saved, and the other side
// of a side-by-side comparison. Each reference keeps its cell texts decoded as the table
// decodes its own, so a cell differs while the two texts differ: an edit back to the
// reference's value ends the difference by itself. A reference can be kept but not shown.
class CellMarks {
public:
    enum Kind { Radio, Saved, Other, KindCount };

    // label names the reference in the texts of an Other mark (the other file's title).
    void set(Kind kind, const RadioImage& image, const QString& label, bool shown);
    void clear(Kind kind) { refs_[kind].reset(); }
    bool has(Kind kind) const { return refs_[kind].has_value(); }
    const RadioImage* image(Kind kind) const { return has(kind) ? &refs_[kind]->image : nullptr; }
    void setShown(Kind kind, bool shown);
    bool isShown(Kind kind) const { return has(kind) && refs_[kind]->shown; }

    // The table's decoding changed: every reference is decoded again in its way.
    void decode(RadioVariant variant, Language language);
    // The reference's text of a cell (channel 1..16, column 1..8) when that reference is
    // shown and the text differs from the table's own.
    std::optional<QString> differingText(Kind kind, int channel, int col, const QString& own) const;
    // "Radio: 151.62500", "Saved: (blank)", "other.dat: Wide": one line of a cell's tool tip,
    // label naming an Other reference.
    QString describe(Kind kind, const QString& text) const;
    static QString describe(Kind kind, const QString& label, const QString& text, Language language);

private:
    struct Reference {
        RadioImage image;
        QString label;
        bool shown = true;
        ChannelTexts texts;
    };
    void decodeOne(Reference& ref) const;

    std::array<std::optional<Reference>, KindCount> refs_;
    RadioVariant variant_ = RadioVariant::ReceiveOnly;
    Language language_ = Language::English;
};
