#include "app/KeyStateIndicators.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

// Linux exposes each keyboard LED as /sys/class/leds/<input>::<name>/brightness.
bool ledIsOn(const QString& name)
{
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList entries = leds.entryList({QStringLiteral("*::") + name}, QDir::Dirs | QDir::System);
    for (const QString& entry : entries) {
        QFile brightness(leds.filePath(entry + QStringLiteral("/brightness")));
        if (brightness.open(QIODevice::ReadOnly) && brightness.readAll().trimmed() != "0")
            return true;
    }
    return false;
}

} // namespace

KeyStateIndicators::KeyStateIndicators(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString texts[] = {tr("CAP"), tr("NUM"), tr("SCRL")};
    const QString names[] = {tr("Caps Lock"), tr("Num Lock"), tr("Scroll Lock")};
    for (int i = 0; i < 3; ++i) {
        panes_[i] = new QLabel(texts[i], this);
        panes_[i]->setAccessibleName(names[i]);
        panes_[i]->setFrameShape(QFrame::StyledPanel);
        panes_[i]->setFrameShadow(QFrame::Sunken);
        panes_[i]->setAlignment(Qt::AlignCenter);
        panes_[i]->setMinimumWidth(panes_[i]->fontMetrics().horizontalAdvance(texts[2]) + 10);
        layout->addWidget(panes_[i]);
    }
    refresh();
    qApp->installEventFilter(this);
}

void KeyStateIndicators::refresh()
{
    const char* leds[] = {"capslock", "numlock", "scrolllock"};
    for (int i = 0; i < 3; ++i) {
        const bool on = ledIsOn(QString::fromLatin1(leds[i]));
        panes_[i]->setEnabled(on);
        panes_[i]->setAccessibleDescription(on ? tr("On") : tr("Off"));
    }
}

bool KeyStateIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            refresh();
    }
    return QWidget::eventFilter(watched, event);
}
