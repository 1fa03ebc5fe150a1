#include "uikit/EditNormalizer.h"

#include "uikit/ScaledNumber.h"

#include <QFocusEvent>
#include <QLineEdit>

EditNormalizer::EditNormalizer(QLineEdit* edit) : QObject(edit), edit_(edit)
{
    edit->installEventFilter(this);
}

void EditNormalizer::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
}

void EditNormalizer::setStep(int step)
{
    step_ = step < 1 ? 1 : step;
}

void EditNormalizer::setScale(int scale)
{
    scale_ = scale < 1 ? 1 : scale;
}

void EditNormalizer::setFormat(const QString& format)
{
    format_ = format;
}

void EditNormalizer::setSpecialText(int value, const QString& text)
{
    specialEnabled_ = true;
    specialValue_ = value;
    specialText_ = text;
}

QString EditNormalizer::normalized(const QString& text) const
{
    int n = minimum_;
    if (!text.isEmpty()) {
        n = scaledCount(text, scale_);
        n -= n % step_;
        if (n < minimum_ || n > maximum_)
            n = minimum_;
    }
    if (specialEnabled_ && n == specialValue_)
        return specialText_;
    return formatScaled(format_, n, scale_);
}

bool EditNormalizer::eventFilter(QObject* watched, QEvent* event)
{
    // A context menu borrows the focus only for a moment; the user is still typing.
    if (watched == edit_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        edit_->setText(normalized(edit_->text()));
    return QObject::eventFilter(watched, event);
}
