#pragma once

#include "model/ChannelCodec.h"
#include "model/Language.h"

#include <QStringList>
#include <array>

// The entries each list column of the channel grid offers, in one language and in the
// order the lists show them: the tone list for the two tone columns, the choice texts for
// W/N, Scan, Busy Lock and Power. The frequency columns take free text and offer none.
class CellChoices {
public:
    explicit CellChoices(Language language);

    bool isList(int col) const { return !of(col).isEmpty(); }
    const QStringList& of(int col) const;
    // The entry a text names, as typing it would choose: equal to it (ignoring case),
    // else the first that begins with it; empty when none does.
    QString offeredEntry(int col, const QString& text) const;

private:
    std::array<QStringList, GridColumn::Count> lists_;
};
