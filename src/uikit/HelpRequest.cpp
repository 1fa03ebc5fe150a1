#include "uikit/HelpRequest.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace {

const char* const ControlIdProperty = "xrControlId";

} // namespace

void setControlId(QWidget* widget, int id)
{
    widget->setProperty(ControlIdProperty, id);
}

int controlId(const QWidget* widget)
{
    return widget ? widget->property(ControlIdProperty).toInt() : 0;
}

int focusedControlId(const QWidget* top, int fallback)
{
    // The focus may sit in an inner child of a control (a combo box's line edit).
    for (const QWidget* w = QApplication::focusWidget(); w && w != top; w = w->parentWidget()) {
        if (const int id = controlId(w))
            return id;
    }
    return fallback;
}
