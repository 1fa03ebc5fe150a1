#pragma once

class QDialog;
class QPushButton;

constexpr int OkButtonId = 1;
constexpr int CancelButtonId = 2;

// The OK and Cancel push buttons of a settings dialog, carrying their ids (1 and 2).
// OK is the default button (Enter) and accepts the dialog; Cancel rejects it.
QPushButton* makeOkButton(QDialog* dialog);
QPushButton* makeCancelButton(QDialog* dialog);
