#pragma once

#include "uikit/HelpRequest.h"

#include <QWidget>

// The control of a dialog that carries the given resource id, or nullptr.
template <typename T> T* findControl(const QWidget* dialog, int id)
{
    const QList<T*> candidates = dialog->findChildren<T*>();
    for (T* widget : candidates) {
        if (controlId(widget) == id)
            return widget;
    }
    return nullptr;
}
