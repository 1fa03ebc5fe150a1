#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"
#include "uikit/DialogUnits.h"

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class UiHooks;
class UpDownControl;

// "Optional Features": the radio-wide options of one radio image. The controls are
// loaded from the image when the dialog is built; OK stores them back into it, Cancel
// leaves it alone. Only the upper part (Time Out Time, Squelch Level, Transmit Delay)
// is shown; the options below it are still loaded and stored, unchanged by the user.
//
//     OptionalFeaturesDialog dialog(doc->image(), context.radioVariant(), context.language(),
//                                   context.uiHooks(), mainWindow);
//     if (dialog.exec() == QDialog::Accepted && dialog.imageChanged())
//         doc->setModified(true);
class OptionalFeaturesDialog : public QDialog {
    Q_OBJECT
public:
    OptionalFeaturesDialog(RadioImage& image, RadioVariant variant, Language language, const UiHooks& hooks,
                           QWidget* parent = nullptr);

    // Marks the labels of the options shown whose value differs from the radio's (a
    // compare's), as the controls change: filled, with the radio's value as tool tip and
    // description.
    void markDifferences(const RadioImage& radio);

    // After OK: whether storing changed any byte of the image.
    bool imageChanged() const { return imageChanged_; }

    // Stores the controls into the image, then closes.
    void accept() override;

private:
    QLabel* addLabel(const QString& text, int id, const QRect& place);
    QComboBox* addList(int id, const QRect& place);
    QCheckBox* addCheck(const QString& text, int id, const QRect& place);
    void createUpperPart();
    void createLowerPart();
    void setUpTransmitDelay();
    void shrinkToUpperPart();
    void fillLists();
    void applyVariant(RadioVariant variant);
    void loadFromImage();
    void storeTo(RadioImage& image) const;
    void updateMarks();

    RadioImage& image_;
    Language language_;
    DialogUnits units_;
    bool imageChanged_ = false;
    std::optional<RadioImage> radio_;

    QLabel* timeOutLabel_ = nullptr;
    QComboBox* timeOut_ = nullptr;
    QLabel* squelchLabel_ = nullptr;
    QComboBox* squelch_ = nullptr;
    QLabel* transmitDelayLabel_ = nullptr;
    QLineEdit* transmitDelay_ = nullptr;
    UpDownControl* transmitDelaySpin_ = nullptr;

    QComboBox* sideKey_ = nullptr;
    QCheckBox* beep_ = nullptr;
    QCheckBox* batterySaver_ = nullptr;
    QComboBox* priorityChannel_ = nullptr;
    QComboBox* vox_ = nullptr;
    QComboBox* voxGain_ = nullptr;
    QComboBox* voice_ = nullptr;
    QComboBox* voxDelay_ = nullptr;
    std::vector<QWidget*> lowerPart_;
};
