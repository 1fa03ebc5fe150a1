#include "config/ProductSettings.h"

#include "config/SettingsKey.h"

namespace {

const QString TypeValue = QStringLiteral("Type");
const QString BandValue = QStringLiteral("Field");

} // namespace

ProductPositions loadProductPositions(QSettings& key)
{
    return {readSettingsByte(key, TypeValue, 0), readSettingsByte(key, BandValue, 0)};
}

void storeProductPositions(QSettings& key, ProductPositions positions)
{
    writeSettingsDword(key, TypeValue, static_cast<std::uint32_t>(positions.type));
    writeSettingsDword(key, BandValue, static_cast<std::uint32_t>(positions.band));
}

void exchangeProductWithSettings(RadioImage& image, bool newDocument, QSettings& key)
{
    if (newDocument) {
        const ProductPositions stored = loadProductPositions(key);
        image[RadioImage::ProductType] = static_cast<std::uint8_t>(stored.type);
        image[RadioImage::ProductBand] = static_cast<std::uint8_t>(stored.band);
    } else {
        storeProductPositions(key, {image[RadioImage::ProductType], image[RadioImage::ProductBand]});
    }
}
