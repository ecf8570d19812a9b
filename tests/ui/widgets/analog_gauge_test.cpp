#include "tests/support/qt_printers.h"
#include "ui/widgets/analog_gauge.h"

#include <QImage>
#include <QtMath>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// A pixel on the ray from the pivot at the angle (degrees counter-clockwise from three o'clock),
// the given share of the radius out.
QColor pixelOnRay(const QImage& image, QPointF pivot, double radius, double angle, double share) {
    const double a = qDegreesToRadians(angle);
    const QPointF p = pivot + QPointF(radius * share * std::cos(a), -radius * share * std::sin(a));
    return image.pixelColor(p.toPoint());
}

int countColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

TEST(AnalogGauge, NeedleOfTheRoundGaugePointsAtItsValueAndRestsAtTheScaleEnds) {
    AnalogGauge gauge(AnalogGauge::Sweep::Degrees270);
    gauge.resize(208, 208); // the dial: centre (104, 104), radius 100
    gauge.setScale(8);
    gauge.setMainTicks(8);
    const QPointF centre(104, 104);
    const QColor needle = gauge.needleColour();

    gauge.setValue(4); // the middle of 270 degrees: straight up
    QImage image = gauge.grab().toImage();
    EXPECT_EQ(pixelOnRay(image, centre, 100, 90, 0.4), needle);
    EXPECT_NE(pixelOnRay(image, centre, 100, 225, 0.4), needle);

    gauge.setValue(0); // the start, down on the left
    image = gauge.grab().toImage();
    EXPECT_EQ(pixelOnRay(image, centre, 100, 225, 0.4), needle);
    EXPECT_NE(pixelOnRay(image, centre, 100, 90, 0.4), needle);

    gauge.setValue(0.8); // a tenth of the way: 27 degrees on
    image = gauge.grab().toImage();
    EXPECT_EQ(pixelOnRay(image, centre, 100, 198, 0.5), needle);
    EXPECT_NE(pixelOnRay(image, centre, 100, 225, 0.5), needle);

    gauge.setValue(1000); // beyond the scale: at its end, down on the right
    image = gauge.grab().toImage();
    EXPECT_EQ(gauge.value(), 1000);
    EXPECT_EQ(pixelOnRay(image, centre, 100, -45, 0.4), needle);
    gauge.setValue(-50);
    EXPECT_EQ(pixelOnRay(gauge.grab().toImage(), centre, 100, 225, 0.4), needle);
}

TEST(AnalogGauge, QuarterGaugeSweepsAboveItsPivotAndDrawsOnlyTheZonesShown) {
    AnalogGauge gauge(AnalogGauge::Sweep::Degrees90);
    gauge.resize(150, 120);
    gauge.setScale(240);
    gauge.setMainTicks(3);
    gauge.setMarks(30, 100);
    const QColor blue(0x00, 0x40, 0xFF), yellow(0xFF, 0xD0, 0x00), red(0xE0, 0x10, 0x10);
    gauge.setZoneColours(blue, yellow, red);
    gauge.setZonesShown(true, false, true);
    gauge.setValue(120); // half the scale: straight up from the pivot
    const QImage image = gauge.grab().toImage();
    // The pivot sits one radius below the top of the area inside the 4-pixel margin.
    const double radius = std::min(142 / std::sqrt(2.0), 112 / 1.12);
    const QPointF pivot(75, 4 + radius);
    EXPECT_EQ(pixelOnRay(image, pivot, radius, 90, 0.5), gauge.needleColour());
    EXPECT_NE(pixelOnRay(image, pivot, radius, 120, 0.5), gauge.needleColour());
    EXPECT_GT(countColour(image, blue), 20);
    EXPECT_GT(countColour(image, red), 20);
    EXPECT_EQ(countColour(image, yellow), 0);
    // The lower zone (0 .. 30 of 240) lies at the start of the sweep, near 135 degrees.
    EXPECT_EQ(pixelOnRay(image, pivot, radius, 132, 0.86), blue);
}

} // namespace

namespace {

// The figures and caption make room for one another: at the dashboard's sizes every text stands
// whole, and where even the smallest lettering cannot, the gauge says which texts are crowded.
TEST(AnalogGauge, TextsFitOrAreNamedAsCrowded) {
    const struct {
        AnalogGauge::Sweep sweep;
        double scale;
        int ticks;
        const char* caption;
        QSize size;
        bool fits;
    } cases[] = {
        {AnalogGauge::Sweep::Degrees270, 220, 11, "km/h", QSize(170, 170), true},
        {AnalogGauge::Sweep::Degrees90, 100, 4, "Charge %", QSize(170, 120), true},
        {AnalogGauge::Sweep::Degrees270, 220, 11, "km/h", QSize(60, 60), false},
        {AnalogGauge::Sweep::Degrees90, 100, 4, "Kraftstoffkorrektur %", QSize(170, 120), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        AnalogGauge gauge(c.sweep);
        gauge.setScale(c.scale);
        gauge.setMainTicks(c.ticks);
        gauge.setCaption(QString::fromUtf8(c.caption));
        gauge.resize(c.size);
        EXPECT_EQ(gauge.crowdedTexts().isEmpty(), c.fits)
            << gauge.crowdedTexts().join(" | ").toStdString();
    }
}

} // namespace
