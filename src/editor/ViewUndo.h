#pragma once

#include "model/ChannelCodec.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QUndoCommand>

class ChannelView;

// Everything an undo step puts back in a channel view: the grid's texts, the radio
// image, and the radio type and new-document flag that a read from the radio changes.
struct ViewState {
    ChannelTexts cells;
    RadioImage image;
    RadioVariant variant = RadioVariant::ReceiveOnly;
    bool newDocument = false;

    bool sameData(const ViewState& other) const { return cells == other.cells && image == other.image; }
};

// One step of a view's undo stack: the state before and after a change. The change is
// made before the step is pushed, so the push itself changes nothing.
class ViewChange : public QUndoCommand {
public:
    ViewChange(ChannelView& view, const QString& text, ViewState before, ViewState after, bool radioChanged);

    void undo() override;
    void redo() override;

private:
    ChannelView& view_;
    ViewState before_;
    ViewState after_;
    bool radioChanged_;
    bool pushed_ = false;
};
