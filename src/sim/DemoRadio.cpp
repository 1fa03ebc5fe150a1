#include "sim/DemoRadio.h"

#include "model/ChannelCodec.h"

CloneFrames::TransferArea demoRadioMemory()
{
    RadioImage image = RadioImage::makeNew();
    image[RadioImage::ProductType] = 0;
    image[RadioImage::ProductBand] = 1;
    ChannelTexts cells;
    const char* rows[][8] = {
        {"151.62500", "151.62500", "67.0", "67.0", "Wide", "Yes", "Off", "High"},
        {"152.00000", "152.00000", "D023N", "D023N", "Narrow", "Yes", "Carrier", "High"},
        {"154.57000", "154.57000", "None", "None", "Wide", "No", "Off", "Low"},
        {"158.40000", "163.20000", "100.0", "100.0", "Wide", "Yes", "QT/DQT", "High"},
    };
    int n = 1;
    for (const auto& row : rows) {
        for (int c = 0; c < 8; ++c)
            cells[n][c + 1] = QString::fromLatin1(row[c]);
        ++n;
    }
    encodeChannels(cells, RadioVariant::Other, image);
    return CloneFrames::transferAreaOf(image);
}
