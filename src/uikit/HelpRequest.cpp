#include "uikit/HelpRequest.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace {

std::function<void(int)>& helpHandler()
{
    static std::function<void(int)> current;
    return current;
}

const char* const ControlIdProperty = "xrControlId";

} // namespace

void requestHelp(int contextId)
{
    if (helpHandler())
        helpHandler()(contextId);
}

void setHelpHandler(std::function<void(int)> handler)
{
    helpHandler() = std::move(handler);
}

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
