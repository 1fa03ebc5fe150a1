#include "support/RecordingPaintDevice.h"

#include <climits>

RecordingPaintDevice::RecordingPaintDevice(int width, int height, int dotsPerInch)
    : width_(width), height_(height), dotsPerInch_(dotsPerInch)
{
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const
{
    return &engine_;
}

const std::vector<RecordingPaintDevice::Text>& RecordingPaintDevice::texts() const
{
    return engine_.texts;
}

const std::vector<QLineF>& RecordingPaintDevice::lines() const
{
    return engine_.lines;
}

void RecordingPaintDevice::clear()
{
    engine_.texts.clear();
    engine_.lines.clear();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return width_ * 254 / (10 * dotsPerInch_);
    case PdmHeightMM:
        return height_ * 254 / (10 * dotsPerInch_);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dotsPerInch_;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

void RecordingPaintDevice::Engine::updateState(const QPaintEngineState& changed)
{
    if (changed.state() & DirtyTransform)
        transform_ = changed.transform();
    if (changed.state() & DirtyFont)
        font_ = changed.font();
}

void RecordingPaintDevice::Engine::drawTextItem(const QPointF& p, const QTextItem& item)
{
    texts.push_back({item.text(), transform_.map(p), font_, transform_.m22() > 0});
}

void RecordingPaintDevice::Engine::drawLines(const QLineF* drawn, int count)
{
    for (int i = 0; i < count; ++i)
        lines.push_back(transform_.map(drawn[i]));
}
