#include "channels/CommitRules.h"

#include "config/CommandIds.h"
#include "model/ChannelCodec.h"
#include "model/ChoiceTexts.h"

namespace {

enum class Outcome { Empty, OutsideBand, OffRaster, FirstFrequency, Replaced };

void clearRow(CommitPlan& plan)
{
    for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
        plan.writes.push_back({c, QString()});
}

// The texts a row receives when its first frequency is committed.
void writeDefaults(CommitPlan& plan, int toneCol, Language language)
{
    const ChoiceTexts& t = choiceTexts(language);
    plan.writes.push_back({toneCol, t.noTone});
    plan.writes.push_back({GridColumn::Bandwidth, t.wide});
    plan.writes.push_back({GridColumn::Scan, t.scanNo});
    plan.writes.push_back({GridColumn::BusyLock, t.busyOff});
    plan.writes.push_back({GridColumn::Power, t.high});
}

Outcome classify(const CommitInput& in, const TypedFrequency& typed)
{
    if (in.editorText.isEmpty())
        return Outcome::Empty;
    if (!isInBand(typed.count, in.band))
        return Outcome::OutsideBand;
    if (!isOnRaster(typed.count))
        return Outcome::OffRaster;
    const QString& previous = in.col == GridColumn::RxFrequency ? in.rxText : in.txText;
    return previous.isEmpty() ? Outcome::FirstFrequency : Outcome::Replaced;
}

void planRx(CommitPlan& plan, Outcome outcome, const TypedFrequency& typed, const CommitInput& in,
            CommitKind kind)
{
    if (outcome != Outcome::FirstFrequency) {
        clearRow(plan);
        return;
    }
    plan.writes.push_back({GridColumn::RxFrequency, typed.text});
    if (kind == CommitKind::Enter) {
        plan.writes.push_back({GridColumn::TxFrequency, typed.text});
        plan.writes.push_back({GridColumn::EncodeTone, choiceTexts(in.language).noTone});
    }
    writeDefaults(plan, GridColumn::DecodeTone, in.language);
}

void planTx(CommitPlan& plan, Outcome outcome, const TypedFrequency& typed, const CommitInput& in,
            CommitKind kind)
{
    const bool enter = kind == CommitKind::Enter;
    switch (outcome) {
    case Outcome::Empty:
        if (enter)
            plan.writes.push_back({GridColumn::TxFrequency, in.rxText});
        else
            clearRow(plan);
        break;
    case Outcome::OutsideBand:
        if (enter)
            clearRow(plan);
        else
            plan.writes.push_back({GridColumn::TxFrequency, QString()});
        break;
    case Outcome::OffRaster:
        if (enter)
            plan.writes.push_back({GridColumn::TxFrequency, QString()});
        else
            clearRow(plan);
        break;
    case Outcome::FirstFrequency:
        plan.writes.push_back({GridColumn::TxFrequency, typed.text});
        writeDefaults(plan, GridColumn::EncodeTone, in.language);
        break;
    case Outcome::Replaced:
        break;
    }
}

} // namespace

CommitPlan planCommit(const CommitInput& in, CommitKind kind)
{
    CommitPlan plan;
    if (in.col != GridColumn::RxFrequency && in.col != GridColumn::TxFrequency) {
        const bool rowInUse = !in.rxText.isEmpty() || !in.txText.isEmpty();
        plan.writes.push_back({in.col, rowInUse ? in.editorText : QString()});
        return plan;
    }
    const TypedFrequency typed = typedFrequency(in.editorText);
    const Outcome outcome = classify(in, typed);
    if (outcome == Outcome::OutsideBand || outcome == Outcome::OffRaster) {
        plan.accepted = false;
        plan.messageId = outcome == Outcome::OutsideBand ? MessageId::OutOfRange : MessageId::StepValue;
    }
    if (outcome == Outcome::Replaced) {
        plan.writes.push_back({in.col, typed.text});
        return plan;
    }
    if (in.col == GridColumn::RxFrequency)
        planRx(plan, outcome, typed, in, kind);
    else
        planTx(plan, outcome, typed, in, kind);
    return plan;
}
