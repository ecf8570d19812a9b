#include "tests/support/qt_printers.h"
#include "ui/widgets/segment_display.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

enum : quint8 { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64, Point = 128 };

TEST(SegmentDisplay, TextIsRightAlignedWithPointsOnTheCellBefore) {
    SegmentDisplay display(5);
    const quint8 zero = A | B | C | D | E | F;
    display.setText("0,00");
    EXPECT_EQ(display.cells(), (QList<quint8>{0, 0, quint8(zero | Point), zero, zero}));
    display.setText("-");
    EXPECT_EQ(display.cells(), (QList<quint8>{0, 0, 0, 0, G}));
    display.setText(".5");
    EXPECT_EQ(display.cells(), (QList<quint8>{0, 0, 0, Point, A | C | D | F | G}));
    display.setText("Error");
    EXPECT_EQ(display.cells(),
              (QList<quint8>{A | D | E | F | G, E | G, E | G, C | D | E | G, E | G}));
}

TEST(SegmentDisplay, ALongerTextKeepsItsLastDigitsAndIsStoredWhole) {
    SegmentDisplay counter(6);
    counter.setText("1234567");
    EXPECT_EQ(counter.text(), "1234567");
    const QList<quint8> cells = counter.cells();
    ASSERT_EQ(cells.size(), 6);
    EXPECT_EQ(cells.first(), sevenSegmentsOf('2'));
    EXPECT_EQ(cells.last(), sevenSegmentsOf('7'));
    EXPECT_EQ(sevenSegmentsOf('#'), 0); // what cannot be formed stays dark
}

TEST(SegmentDisplay, LitSegmentsArePaintedInTheLitColour) {
    SegmentDisplay display(1);
    display.resize(30, 50);
    display.setText("8");
    const QImage lit = display.grab().toImage();
    display.setText(" ");
    const QImage dark = display.grab().toImage();
    auto count = [](const QImage& image, QColor colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(lit, display.litColor()), 100);
    EXPECT_EQ(count(dark, display.litColor()), 0);
    EXPECT_GT(count(dark, display.unlitColor()), 100);
}

} // namespace
