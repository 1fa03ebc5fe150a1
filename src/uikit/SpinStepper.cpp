#include "uikit/SpinStepper.h"

#include "uikit/ScaledNumber.h"
#include "uikit/UpDownControl.h"

#include <QLineEdit>
#include <cstdint>
#include <cstdlib>

SpinStepper::SpinStepper(UpDownControl* upDown, const QString& format)
    : QObject(upDown), upDown_(upDown), format_(format)
{
    connect(upDown, &UpDownControl::deltaPos, this, &SpinStepper::onDeltaPos);
}

void SpinStepper::setScale(int scale)
{
    scale_ = scale < 1 ? 1 : scale;
}

void SpinStepper::setSpecialText(int value, const QString& text)
{
    specialEnabled_ = true;
    specialValue_ = value;
    specialText_ = text;
}

QString SpinStepper::steppedText(const QString& text, int delta, int lower, int upper) const
{
    std::int64_t n = scaledCount(text, scale_);
    if (specialEnabled_ && text.compare(specialText_, Qt::CaseInsensitive) == 0)
        n = specialValue_;

    const std::int64_t d = std::abs(delta);
    n += delta;
    if (d > 1 && n % d != 0) {
        // A larger step lands on the next multiple of itself in its direction.
        if (delta > 0)
            n -= n % d;
        else
            n = n < 0 ? 0 : n + d - n % d;
    }
    if (n > upper || n < lower)
        n = delta > 0 ? lower : upper;

    const int count = static_cast<int>(n);
    if (specialEnabled_ && count == specialValue_)
        return specialText_;
    return formatScaled(format_, count, scale_);
}

void SpinStepper::onDeltaPos(int delta)
{
    if (QLineEdit* buddy = upDown_->buddy())
        buddy->setText(steppedText(buddy->text(), delta, upDown_->lower(), upDown_->upper()));
}
