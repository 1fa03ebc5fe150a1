#include "uikit/UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int RepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 60;

} // namespace

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeArrow(Qt::UpArrow));
    column->addWidget(makeArrow(Qt::DownArrow));
    repeat_.setInterval(RepeatIntervalMs);
    connect(&repeat_, &QTimer::timeout, this, &UpDownControl::repeatHold);
}

QToolButton* UpDownControl::makeArrow(Qt::ArrowType arrow)
{
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus); // the focus stays in the buddy, as with any spin control
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setIconSize(QSize(7, 7));
    const int direction = arrow == Qt::UpArrow ? 1 : -1;
    connect(button, &QToolButton::pressed, this, [this, direction] { startHold(direction); });
    connect(button, &QToolButton::released, this, &UpDownControl::stopHold);
    return button;
}

void UpDownControl::setRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
}

void UpDownControl::attachTo(QLineEdit* buddy)
{
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = buddy;
    const QRect place = buddy->geometry();
    const int ownWidth = width();
    buddy->setGeometry(place.adjusted(0, 0, -ownWidth, 0));
    setGeometry(place.right() - ownWidth + 1, place.top(), ownWidth, place.height());
    buddy->installEventFilter(this);
}

int UpDownControl::acceleratedStep(qint64 heldMs)
{
    if (heldMs >= 5000)
        return 20;
    return heldMs >= 2000 ? 5 : 1;
}

void UpDownControl::startHold(int direction)
{
    holdDirection_ = direction;
    held_.start();
    Q_EMIT deltaPos(direction);
    repeat_.start(RepeatDelayMs);
}

void UpDownControl::stopHold()
{
    repeat_.stop();
    holdDirection_ = 0;
}

void UpDownControl::repeatHold()
{
    repeat_.setInterval(RepeatIntervalMs);
    Q_EMIT deltaPos(holdDirection_ * acceleratedStep(held_.elapsed()));
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != buddy_ || !isEnabled() || isHidden())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
            return false;
        if (!key->isAutoRepeat())
            held_.start();
        const int direction = key->key() == Qt::Key_Up ? 1 : -1;
        Q_EMIT deltaPos(direction * (key->isAutoRepeat() ? acceleratedStep(held_.elapsed()) : 1));
        return true;
    }
    return false;
}
