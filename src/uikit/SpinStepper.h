#pragma once

#include <QObject>
#include <QString>

class UpDownControl;

// Serves an up-down control whose buddy shows a scaled count (tenths shown as seconds):
// each position change reads the buddy's text, steps the count, wraps it at the
// control's range and writes the formatted result back. Steps larger than one snap to
// multiples of the step. A special text (such as "Off") may stand for one count.
class SpinStepper : public QObject {
    Q_OBJECT
public:
    // Serves upDown's deltaPos from now on; upDown must already have its buddy.
    SpinStepper(UpDownControl* upDown, const QString& format);

    void setScale(int scale);
    void setSpecialText(int value, const QString& text);

    // The text that follows text after a step of delta within lower..upper.
    QString steppedText(const QString& text, int delta, int lower, int upper) const;

private:
    void onDeltaPos(int delta);

    UpDownControl* upDown_;
    bool specialEnabled_ = false;
    int specialValue_ = 0;
    int scale_ = 1;
    QString specialText_;
    QString format_;
};
