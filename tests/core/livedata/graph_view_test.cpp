// What the graph shows of its history, and how texts become the numbers it plots.

#include "core/j1979/sensor_catalogue.h"
#include "core/livedata/graph_window.h"
#include "core/livedata/live_number.h"
#include "tests/support/qt_printers.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct LocaleTest : testing::Test {
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    static void use(QLocale::Language language, QLocale::Country country) {
        QLocale::setDefault(QLocale(language, country));
    }
};

TEST(GraphWindow, NewestWindowFillsTheFixedAxisThenFollowsTheNewestSample) {
    EXPECT_TRUE(newestGraphWindow(0).empty);

    const GraphWindow first = newestGraphWindow(1); // the first cycle after Reset: x = 0
    EXPECT_FALSE(first.empty);
    EXPECT_EQ(first.first, 0u);
    EXPECT_EQ(first.last, 0u);
    EXPECT_FALSE(first.axisFrom.has_value());
    EXPECT_EQ(first.sliderMaximum, 0);

    const GraphWindow full = newestGraphWindow(51); // 0 .. 50 on the fixed 0 .. 50 axis
    EXPECT_EQ(full.first, 0u);
    EXPECT_EQ(full.last, 50u);
    EXPECT_FALSE(full.axisFrom.has_value());
    EXPECT_EQ(full.sliderMaximum, 50);

    const GraphWindow moved = newestGraphWindow(52); // the axis becomes 1 .. 51
    EXPECT_EQ(moved.first, 1u);
    EXPECT_EQ(moved.last, 51u);
    EXPECT_EQ(moved.axisFrom, 1u);
    EXPECT_EQ(moved.sliderMaximum, 1);

    EXPECT_EQ(newestGraphWindow(200).sliderMaximum, 149);
    EXPECT_EQ(newestGraphWindow(200).first, 149u);
}

TEST(GraphWindow, SliderPagesThroughTheHistoryWithoutReadingPastIt) {
    // 200 samples: positions 0 .. 149, each a window of 51.
    const GraphWindow start = sliderGraphWindow(200, 0);
    EXPECT_EQ(start.first, 0u);
    EXPECT_EQ(start.last, 50u);
    EXPECT_EQ(start.axisFrom, 0u);
    const GraphWindow end = sliderGraphWindow(200, 149);
    EXPECT_EQ(end.first, 149u);
    EXPECT_EQ(end.last, 199u);
    EXPECT_EQ(end.axisFrom, 149u);

    // Exactly 51 samples: the slider goes to 50, but only position 0 is a whole window.
    const GraphWindow partial = sliderGraphWindow(51, 30);
    EXPECT_EQ(partial.first, 30u);
    EXPECT_EQ(partial.last, 50u);
    EXPECT_EQ(partial.axisFrom, 30u);
    EXPECT_TRUE(sliderGraphWindow(200, 500).empty);
    EXPECT_EQ(sliderGraphWindow(200, -3).first, 0u);

    // Fewer than 51: all of them, the axis as it is.
    const GraphWindow few = sliderGraphWindow(20, 7);
    EXPECT_EQ(few.first, 0u);
    EXPECT_EQ(few.last, 19u);
    EXPECT_FALSE(few.axisFrom.has_value());
    EXPECT_TRUE(sliderGraphWindow(0, 0).empty);
}

TEST_F(LocaleTest, NumbersAreReadInTheCurrentLocaleAndNeverByGroupSeparators) {
    use(QLocale::German, QLocale::Germany);
    EXPECT_EQ(readLocaleNumber(" 12,5 "), 12.5);
    EXPECT_EQ(readLocaleNumber("-40"), -40.0);
    EXPECT_EQ(readLocaleNumber("12.5"), std::nullopt);
    EXPECT_EQ(readLocaleNumber("1.234"), std::nullopt);
    EXPECT_EQ(readLocaleNumber("N/A"), std::nullopt);
    EXPECT_EQ(readLocaleNumber(""), std::nullopt);

    use(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(readLocaleNumber("12.5"), 12.5);
    EXPECT_EQ(readLocaleNumber("12,5"), std::nullopt);
    EXPECT_EQ(readLocaleNumber("1,234"), std::nullopt);
}

TEST_F(LocaleTest, DashboardValuesAcceptLeadingBlanksAndReadTheLoadsDecimal) {
    use(QLocale::German, QLocale::Germany);
    EXPECT_EQ(readDashboardValue("  800"), 800.0);
    EXPECT_EQ(readDashboardValue(" 1123"), 1123.0);
    EXPECT_EQ(readDashboardValue("-40"), -40.0);
    EXPECT_EQ(readDashboardValue("39,2"), 39.2);
    EXPECT_EQ(readDashboardValue("Error"), 0.0);
    EXPECT_EQ(readDashboardValue("N/A"), 0.0);
    EXPECT_EQ(readDashboardValue(""), 0.0);
    EXPECT_EQ(readDashboardValue("   "), 0.0);
    use(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(readDashboardValue("39.2"), 39.2);
    EXPECT_EQ(readDashboardValue("39,2"), 0.0);
}

TEST_F(LocaleTest, AxisTitleWritesTheRangeShortestInTheLocaleWithTheUnitOfTheSystem) {
    PidInfo rpm;
    rpm.graphMin = 0;
    rpm.graphMax = 8000;
    rpm.metricUnit = "U/min";
    rpm.englishUnit = "rpm";
    PidInfo o2;
    o2.graphMin = 0;
    o2.graphMax = 1.275;
    o2.metricUnit = o2.englishUnit = "V";
    PidInfo coolant;
    coolant.graphMin = -40;
    coolant.graphMax = 215;
    coolant.metricUnit = "°C";
    coolant.englishUnit = "°F";

    use(QLocale::German, QLocale::Germany);
    EXPECT_EQ(graphAxisTitle(rpm, false), "0   < X <   8000  U/min");
    EXPECT_EQ(graphAxisTitle(o2, false), "0   < X <   1,275  V");
    EXPECT_EQ(graphAxisTitle(coolant, true), "-40   < X <   215  °F");
    use(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(graphAxisTitle(rpm, true), "0   < X <   8000  rpm");
    EXPECT_EQ(graphAxisTitle(o2, false), "0   < X <   1.275  V");
}

} // namespace
