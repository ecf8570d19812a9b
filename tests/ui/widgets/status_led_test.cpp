#include "tests/support/qt_printers.h"
#include "ui/widgets/status_led.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kLime(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kDarkGreen(0x00, 0x80, 0x00);

TEST(QzLed, StartsAsAnEllipseLampThatIsOffAndRed) {
    StatusLed led;
    EXPECT_EQ(led.size(), QSize(10, 10));
    EXPECT_EQ(led.interval(), 500);
    EXPECT_EQ(led.ledOnColor(), kLime);
    EXPECT_EQ(led.ledOffColor(), kRed);
    EXPECT_EQ(led.ledStyle(), StatusLed::Ellipse);
    EXPECT_EQ(led.penWidth(), 1);
    EXPECT_EQ(led.penColor(), QColor(Qt::black));
    EXPECT_FALSE(led.ledOn());
    EXPECT_FALSE(led.blink());
    EXPECT_EQ(led.shownColor(), kRed);
}

TEST(QzLed, ColourChangesShowOnlyWhenTheLampIsSetAgain) {
    StatusLed led;
    led.setLedOn(true);
    led.setLedOnColor(QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(led.shownColor(), kLime); // steady: the old colour stays
    led.setLedOn(true);
    EXPECT_EQ(led.shownColor(), QColor(0xFF, 0xFF, 0x00));
}

TEST(QzLed, BlinksOnlyWhileOnAndReturnsToSteadyOnWhenStopped) {
    StatusLed led;
    led.setInterval(20);
    led.setLedOffColor(kDarkGreen);
    led.setLedOn(true);
    led.setBlink(true);
    EXPECT_TRUE(led.blink());
    // Mid-blink: the off colour.
    EXPECT_TRUE(QTest::qWaitFor([&] { return led.shownColor() == kDarkGreen; }, 2000));
    led.setBlink(false);
    EXPECT_EQ(led.shownColor(), kLime);
    EXPECT_FALSE(led.blink());

    led.setLedOn(false);
    led.setBlink(true);
    QTest::qWait(100); // several ticks: a lamp that is off does not blink
    EXPECT_EQ(led.shownColor(), kDarkGreen);
}

TEST(QzLed, ShapeIsInsetByHalfThePenWidth) {
    StatusLed led;
    led.setPenWidth(3);
    EXPECT_EQ(led.shapeRect().topLeft(), QPoint(1, 1));
    EXPECT_EQ(led.shapeRect().bottomRight(), QPoint(9, 9));
    led.setPenWidth(1);
    EXPECT_EQ(led.shapeRect().topLeft(), QPoint(0, 0));
    EXPECT_EQ(led.shapeRect().bottomRight(), QPoint(10, 10));
}

} // namespace
