// The oxygen-sensor diagram: its property limits and where it draws.

#include "ui/widgets/o2_sensor_graph.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage rendered(O2SensorGraph& graph) {
    return graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(QzO2SensorGraph, DefaultsAndLimitsOfTheProperties) {
    O2SensorGraph graph;
    EXPECT_EQ(graph.size(), QSize(400, 150));
    EXPECT_EQ(graph.color(), QColor(0, 0, 0));
    EXPECT_EQ(graph.colorGraph(), QColor(0, 0xFF, 0));
    EXPECT_EQ(graph.fontColor(), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(graph.divisions(), 98);
    EXPECT_EQ(graph.captionRich(), "Rich");
    EXPECT_EQ(graph.captionLean(), "Lean");

    graph.setMaxVal(0);
    EXPECT_EQ(graph.maxVal(), 1);
    graph.setMaxVal(100);
    graph.setMinVal(100);
    EXPECT_EQ(graph.minVal(), 99);
    graph.setMinVal(-20);
    EXPECT_EQ(graph.minVal(), -20);

    graph.setDivisions(1);
    EXPECT_EQ(graph.divisions(), 2);
    graph.setDivisions(500);
    EXPECT_EQ(graph.divisions(), 200);

    graph.setOffsetLeft(-3);
    graph.setOffsetRight(-1);
    graph.setOffsetTop(-7);
    graph.setOffsetBottom(-2);
    EXPECT_EQ(graph.offsetLeft() + graph.offsetRight() + graph.offsetTop() + graph.offsetBottom(),
              0);
    // The widest setting draws without touching data beyond the hundred samples.
    EXPECT_FALSE(rendered(graph).isNull());
}

TEST(QzO2SensorGraph, CurveIsComputedOnceFromTheSensorModel) {
    O2SensorGraph graph;
    const auto& curve = graph.curve();
    EXPECT_EQ(curve[0], 54);
    EXPECT_EQ(curve[1], 47);
    EXPECT_EQ(curve[2], 41);
    EXPECT_EQ(curve[14], 57);
    EXPECT_EQ(curve[15], 62); // sample 15 is skipped: this is sample 16
    EXPECT_EQ(curve[98], 0);
    graph.setDivisions(20);
    EXPECT_EQ(graph.curve()[0], 54);
}

TEST(QzO2SensorGraph, ThresholdLinesBandAndCurveAtTheirPixels) {
    O2SensorGraph graph;
    graph.resize(400, 104); // plot height 104: one pixel per unit, y(0) = 102
    ASSERT_EQ(graph.yOf(0), 102);
    const QImage image = rendered(graph);
    const QRgb dash = 0xC0C0C0;
    EXPECT_EQ(rgb(image, 1, 102 - 31), dash);
    EXPECT_EQ(rgb(image, 1, 102 - 70), dash);
    int dashPixels = 0;
    for (int x = 1; x < 399; ++x)
        dashPixels += rgb(image, x, 71) == dash ? 1 : 0;
    EXPECT_GT(dashPixels, 100);
    EXPECT_LT(dashPixels, 390); // dashed, not solid

    // The curve starts 2 pixels into the plot at its first sample.
    EXPECT_EQ(rgb(image, 5 + 2, 102 - 54), 0x00FF00u);
    EXPECT_EQ(rgb(image, 0, 0), 0x000000u);

    // Only hatch lines of the band, background between them.
    int hatch = 0;
    int background = 0;
    for (int x = 300; x < 340; ++x) {
        const QRgb pixel = rgb(image, x, 50);
        hatch += pixel == 0x808080 ? 1 : 0;
        background += pixel == 0x000000 ? 1 : 0;
    }
    EXPECT_GT(hatch, 0);
    EXPECT_GT(background, 0);
    // Backward diagonals: each hatch line rises to the right.
    int x = 300;
    while (rgb(image, x, 50) != 0x808080)
        ++x;
    EXPECT_EQ(rgb(image, x + 1, 49), 0x808080u);
    EXPECT_EQ(rgb(image, x + 1, 51), 0x000000u);
}

TEST(QzO2SensorGraph, ChangedPropertiesShowAtTheNextPaint) {
    O2SensorGraph graph;
    graph.resize(400, 104);
    graph.setColorDashLines(QColor(0xFF, 0, 0));
    graph.setColor(QColor(0, 0, 0x40));
    const QImage image = rendered(graph);
    EXPECT_EQ(rgb(image, 1, 71), 0xFF0000u);
    EXPECT_EQ(rgb(image, 0, 0), 0x000040u);

    // A narrower range stretches the values: 31 now lies at the bottom row of the plot.
    graph.setMinVal(31);
    EXPECT_EQ(graph.yOf(31), 102);
}

} // namespace
