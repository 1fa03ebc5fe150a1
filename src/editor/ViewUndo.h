#pragma once

#include "model/ImageChange.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QUndoCommand>

class ChannelView;

// What a read from the radio changes besides the image: the radio type and the
// new-document flag.
struct RadioState {
    RadioVariant variant = RadioVariant::ReceiveOnly;
    bool newDocument = false;
};

// A view's data before a change, to record the step once the change is made.
struct ViewState {
    RadioImage image;
    RadioState radio;

    bool sameData(const ViewState& other) const { return image == other.image; }
};

// One step of a view's undo stack: the bytes the change made to the image and, for a read
// from the radio, the radio type and new-document flag before and after. The change is
// made before the step is pushed, so the push itself changes nothing.
class ViewChange : public QUndoCommand {
public:
    ViewChange(ChannelView& view, const QString& text, ImageChange change, RadioState before, RadioState after,
               bool radioChanged);

    void undo() override;
    void redo() override;

private:
    ChannelView& view_;
    ImageChange change_;
    RadioState before_;
    RadioState after_;
    bool radioChanged_;
    bool pushed_ = false;
};
