#include "uikit/DialogButtons.h"

#include "uikit/HelpRequest.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

QPushButton* makeOkButton(QDialog* dialog)
{
    auto* button = new QPushButton(QCoreApplication::translate("DialogButtons", "OK"), dialog);
    setControlId(button, OkButtonId);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

QPushButton* makeCancelButton(QDialog* dialog)
{
    auto* button = new QPushButton(QCoreApplication::translate("DialogButtons", "Cancel"), dialog);
    setControlId(button, CancelButtonId);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}
