#pragma once

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <vector>

// A paint device that draws nothing and remembers every text and line in device pixels.
class RecordingPaintDevice : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF baseline; // device pixels, y down
        QFont font;
        bool upright; // not mirrored on the device
    };

    RecordingPaintDevice(int width, int height, int dotsPerInch);
    ~RecordingPaintDevice() override;

    QPaintEngine* paintEngine() const override;

    const std::vector<Text>& texts() const;
    const std::vector<QLineF>& lines() const;
    void clear();

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& changed) override;
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override;
        void drawLines(const QLineF* lines, int count) override;
        Type type() const override { return User; }

        std::vector<Text> texts;
        std::vector<QLineF> lines;

    private:
        QTransform transform_;
        QFont font_;
    };

    int width_;
    int height_;
    int dotsPerInch_;
    mutable Engine engine_;
};
