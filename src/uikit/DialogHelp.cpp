#include "uikit/DialogHelp.h"

#include "uikit/HelpRequest.h"
#include "uikit/UiHooks.h"

#include <QDialog>
#include <QShortcut>

void installControlHelp(QDialog* dialog, const UiHooks& hooks)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(f1, &QShortcut::activated, dialog,
                     [dialog, &hooks] { hooks.requestHelp(focusedControlId(dialog, 0)); });
}
