#include "channels/CellChoices.h"

#include "model/ChoiceTexts.h"
#include "model/ToneTables.h"

CellChoices::CellChoices(Language language)
{
    const ChoiceTexts& t = choiceTexts(language);
    lists_[GridColumn::DecodeTone] = toneChoices(language);
    lists_[GridColumn::EncodeTone] = lists_[GridColumn::DecodeTone];
    lists_[GridColumn::Bandwidth] = {t.wide, t.narrow};
    lists_[GridColumn::Scan] = {t.scanYes, t.scanNo};
    lists_[GridColumn::BusyLock] = {t.busyOff, t.busyCarrier, t.busyTone};
    lists_[GridColumn::Power] = {t.high, t.low};
}

const QStringList& CellChoices::of(int col) const
{
    static const QStringList none;
    return col >= 0 && col < GridColumn::Count ? lists_[static_cast<std::size_t>(col)] : none;
}

QString CellChoices::offeredEntry(int col, const QString& text) const
{
    const QStringList& entries = of(col);
    for (const QString& entry : entries)
        if (entry.compare(text, Qt::CaseInsensitive) == 0)
            return entry;
    for (const QString& entry : entries)
        if (entry.startsWith(text, Qt::CaseInsensitive))
            return entry;
    return {};
}
