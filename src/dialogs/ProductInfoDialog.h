#pragma once

#include "model/ProductBand.h"
#include "model/RadioImage.h"

#include <QDialog>

class AppContext;
class QComboBox;

// "Product Information": the radio type and its frequency band, offered from the
// [Setup] Type<n> and Field<n> entries of Program.ini and preselected from the
// positions last confirmed (settings values "Type" and "Field"). OK stores the
// positions in bytes 814/815 of the image and in the settings, and rebuilds the
// caption string and the band limits; the caller shows them:
//
//     ProductInfoDialog dialog(doc->image(), context, mainWindow);
//     if (dialog.exec() == QDialog::Accepted) {
//         mainWindow->setWindowTitle(dialog.caption());
//         view->setBand(dialog.bandLimits());
//         if (dialog.imageChanged())
//             doc->setModified(true);
//     }
//
// Cancel changes nothing.
class ProductInfoDialog : public QDialog {
    Q_OBJECT
public:
    ProductInfoDialog(RadioImage& image, AppContext& context, QWidget* parent = nullptr);

    // Results of OK.
    bool imageChanged() const { return imageChanged_; }
    QString caption() const { return caption_; }
    BandLimits bandLimits() const { return bandLimits_; }

    // Stores the choice, then closes.
    void accept() override;

private:
    void createControls();
    void fillTypes();
    void fillBands(int typePosition);
    void selectStoredPositions();
    void storeChoice();

    RadioImage& image_;
    AppContext& context_;
    QComboBox* types_ = nullptr;
    QComboBox* bands_ = nullptr;
    bool imageChanged_ = false;
    QString caption_;
    BandLimits bandLimits_;
};
