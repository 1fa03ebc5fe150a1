#include "dialogs/ProductInfoDialog.h"

#include "config/ProductSettings.h"
#include "dialogs/ControlIds.h"
#include "session/AppContext.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QComboBox>
#include <algorithm>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int MaxTypes = 19;
constexpr int ListWidth = 110; // dialog units

} // namespace

ProductInfoDialog::ProductInfoDialog(RadioImage& image, AppContext& context, QWidget* parent)
    : QDialog(parent), image_(image), context_(context)
{
    setObjectName(QStringLiteral("ProductInfoDialog")); // its help topics
    setWindowTitle(tr("Product Information"));
    installControlHelp(this, context.uiHooks());
    createControls();
    fillTypes();
    selectStoredPositions();
    connect(types_, &QComboBox::currentIndexChanged, this, [this](int position) {
        fillBands(position);
        bands_->setCurrentIndex(0);
    });
}

void ProductInfoDialog::createControls()
{
    const DialogUnits units(font());
    auto makeList = [this, &units](int id) {
        auto* list = new QComboBox(this);
        setControlId(list, id);
        list->setMinimumWidth(units.toPixelsX(ListWidth));
        return list;
    };
    types_ = makeList(ControlId::TypeList);
    bands_ = makeList(ControlId::FrequencyList);

    auto* setting = new QGroupBox(tr("Setting"), this);
    auto* rows = new QFormLayout(setting);
    rows->addRow(tr("Type"), types_);
    rows->addRow(tr("Frequency"), bands_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeOkButton(this));
    buttons->addWidget(makeCancelButton(this));

    auto* column = new QVBoxLayout(this);
    column->addWidget(setting);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

// The types run from Type1 up to the first empty entry.
void ProductInfoDialog::fillTypes()
{
    for (int position = 0; position < MaxTypes; ++position) {
        const QString name = context_.setupValue(typeKey(position));
        if (name.isEmpty())
            break;
        types_->addItem(name);
    }
}

// Every piece between the bars is a band, untrimmed, an empty last one included.
void ProductInfoDialog::fillBands(int typePosition)
{
    bands_->clear();
    bands_->addItems(context_.setupValue(fieldKey(typePosition)).split(QLatin1Char('|')));
}

void ProductInfoDialog::selectStoredPositions()
{
    const ProductPositions stored = loadProductPositions(*context_.settingsKey());
    types_->setCurrentIndex(stored.type < types_->count() ? stored.type : -1);
    fillBands(types_->currentIndex());
    // A position past the type's bands stands for its last band, as in the caption and the
    // band limits; OK then stores that band's position.
    bands_->setCurrentIndex(std::min(stored.band, bands_->count() - 1));
}

void ProductInfoDialog::storeChoice()
{
    const int type = types_->currentIndex();
    const int band = bands_->currentIndex();
    image_[RadioImage::ProductType] = static_cast<std::uint8_t>(type);
    image_[RadioImage::ProductBand] = static_cast<std::uint8_t>(band);

    const QString bandText = bands_->currentText();
    caption_ = captionString(context_.languageValue(QStringLiteral("AppName")), types_->currentText(),
                             bandText, context_.language());
    bandLimits_ = bandLimitsFromText(bandText);
    storeProductPositions(*context_.settingsKey(), {type, band});
}

void ProductInfoDialog::accept()
{
    const RadioImage before = image_;
    storeChoice();
    imageChanged_ = image_ != before;
    QDialog::accept();
}
