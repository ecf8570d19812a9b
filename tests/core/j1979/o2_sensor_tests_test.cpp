#include "core/j1979/hex_conversions.h"
#include "core/j1979/o2_sensor_tests.h"
#include "locale_guard.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

namespace {

QStringList locationTexts(const LinkAnswer& reply, QList<int>* masks = nullptr) {
    ScriptedLink link;
    link.answer(QStringLiteral("0113"), reply);
    QStringList texts;
    for (const O2SensorLocation& location :
         o2SensorLocations(link).value_or(QList<O2SensorLocation>())) {
        texts << location.text;
        if (masks) {
            masks->append(location.mask);
        }
    }
    return texts;
}

TEST(O2SensorLocations, OneEntryPerBitInRisingOrder) {
    QList<int> masks;
    EXPECT_EQ(locationTexts(QStringLiteral("411303"), &masks),
              QStringList({"O2 location 1-1", "O2 location 1-2"}));
    EXPECT_EQ(masks, QList<int>({1, 2}));
    EXPECT_TRUE(locationTexts(QStringLiteral("411300")).isEmpty());
    masks.clear();
    const QStringList all = locationTexts(QStringLiteral("4113FF"), &masks);
    EXPECT_EQ(all.size(), 8);
    EXPECT_EQ(all.front(), QStringLiteral("O2 location 1-1"));
    EXPECT_EQ(all.back(), QStringLiteral("O2 location 2-4"));
    EXPECT_EQ(masks.back(), 128);
}

TEST(O2SensorLocations, NoResponseIsNotReadNotNoSensors) {
    ScriptedLink none;
    none.answer(QStringLiteral("0113"), QStringLiteral("411300"));
    const O2SensorList noSensors = o2SensorLocations(none);
    ASSERT_TRUE(noSensors.has_value());
    EXPECT_TRUE(noSensors->isEmpty());
    const LinkAnswer replies[] = {"NO DATA", "7F 01 12", std::nullopt, "4114FF", "4113", "41130"};
    for (const LinkAnswer& reply : replies) {
        SCOPED_TRACE(testing::PrintToString(reply));
        ScriptedLink link;
        link.answer(QStringLiteral("0113"), reply);
        EXPECT_FALSE(o2SensorLocations(link).has_value());
        EXPECT_TRUE(locationTexts(reply).isEmpty());
    }
    EXPECT_THROW(locationTexts(QStringLiteral("4113G3")), HexConversionError);
}

TEST(O2TestCatalogue, TenTestsWithUnits) {
    const auto tests = O2TestCatalogue();
    EXPECT_EQ(tests[0].testId, QStringLiteral("$01"));
    EXPECT_EQ(tests[9].testId, QStringLiteral("$0A"));
    EXPECT_EQ(tests[0].description,
              QStringLiteral("Rich to lean sensor threshold voltage (constant)"));
    EXPECT_EQ(tests[9].description, QStringLiteral("Sensor period (calculated)"));
    QString units;
    for (const O2TestInfo& test : tests) {
        units += test.unit;
    }
    EXPECT_EQ(units, QStringLiteral("VVVVssVVss"));
}

TEST(O2SensorTests, ScaledValuesForTheSelectedSensor) {
    LocaleGuard locale(englishLocale());
    ScriptedLink link;
    link.answer(QStringLiteral("050102"), QStringLiteral("45010296"));     // constant: value only
    link.answer(QStringLiteral("050502"), QStringLiteral("4505021E0032")); // 0.120 s, 0 .. 0.2
    link.answer(QStringLiteral("050702"), QStringLiteral("450702140028")); // 0.100 V, min 0.200
    link.answer(QStringLiteral("050A02"), QStringLiteral("450A02190A32")); // 1.00 s, 0.40 .. 2.00
    const auto results = Service05().readO2SensorTests(link, 2);
    EXPECT_EQ(link.sent().size(), 10);
    EXPECT_EQ(link.sent().front(), QStringLiteral("050102"));
    EXPECT_EQ(link.sent().back(), QStringLiteral("050A02"));

    EXPECT_EQ(results[0].status, QStringLiteral("1"));
    EXPECT_EQ(results[0].value, QStringLiteral("0.750"));
    EXPECT_TRUE(results[0].minimum.isEmpty());
    EXPECT_EQ(results[4].value, QStringLiteral("0.120"));
    EXPECT_EQ(results[4].minimum, QStringLiteral("0.000"));
    EXPECT_EQ(results[4].maximum, QStringLiteral("0.200"));
    EXPECT_EQ(results[6].value, QStringLiteral("0.100"));
    EXPECT_EQ(results[6].maximum, QStringLiteral("0.200"));
    EXPECT_EQ(results[9].value, QStringLiteral("1.00"));
    EXPECT_EQ(results[9].minimum, QStringLiteral("0.40"));
    EXPECT_EQ(results[9].maximum, QStringLiteral("2.00"));

    EXPECT_EQ(results[1].status, QStringLiteral("0")); // NO DATA
    EXPECT_TRUE(results[1].value.isEmpty());
}

TEST(O2SensorTests, SensorNumberFromTheLowestMaskBit) {
    ScriptedLink link;
    Service05().readO2SensorTests(link, 0x80);
    EXPECT_EQ(link.sent().front(), QStringLiteral("050108"));
    ScriptedLink none;
    const auto results = Service05().readO2SensorTests(none, 0);
    EXPECT_TRUE(none.sent().isEmpty());
    EXPECT_EQ(results[3].status, QStringLiteral("0"));
}

// A CAN vehicle has no service 05: nothing is asked, and the rows are empty, not failed.
TEST(O2SensorTests, CanVehicleIsAskedNothing) {
    struct CanLink : ScriptedLink {
        bool canLayout() const override { return true; }
    } link;
    EXPECT_TRUE(reportsO2TestsThroughService06(link));
    EXPECT_FALSE(reportsO2TestsThroughService06(ScriptedLink()));
    const auto results = Service05().readO2SensorTests(link, 1);
    EXPECT_TRUE(link.sent().isEmpty());
    for (const O2TestResult& result : results)
        EXPECT_TRUE(result.status.isEmpty() && result.value.isEmpty());
}

TEST(O2SensorTests, HostileAnswersFailTheTest) {
    ScriptedLink link;
    link.answer(QStringLiteral("050101"), QStringLiteral("7F 05 12"));
    link.answer(QStringLiteral("050201"), QStringLiteral("450201"));   // no value
    link.answer(QStringLiteral("050301"), QStringLiteral("4503019"));  // half a value
    link.answer(QStringLiteral("050401"), QStringLiteral("450402FF")); // another sensor
    link.answer(QStringLiteral("050501"), QStringLiteral("41000000450501FF00FF"));
    const auto results = Service05().readO2SensorTests(link, 1);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(results[size_t(k)].status, QStringLiteral("0"));
        EXPECT_TRUE(results[size_t(k)].value.isEmpty());
    }
    // Another unit's response in front does not shift the bytes.
    EXPECT_EQ(results[4].value, QStringLiteral("1.020"));
    EXPECT_THROW(
        [] {
            ScriptedLink bad;
            bad.answer(QStringLiteral("050101"), QStringLiteral("450101ZZ"));
            Service05().readO2SensorTests(bad, 1);
        }(),
        HexConversionError);
}

} // namespace
