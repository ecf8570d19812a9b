#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/supported_pids.h"
#include "core/l10n/const_str.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Replaces one string-table text for the lifetime of a test, as the translation pass would.
class TextOverride {
public:
    TextOverride(QString& entry, const QString& text) : m_entry(entry), m_saved(entry) {
        m_entry = text;
    }
    ~TextOverride() { m_entry = m_saved; }

private:
    QString& m_entry;
    QString m_saved;
};

class Catalogue : public testing::Test {
protected:
    const PidCatalogue catalogue = buildPidCatalogue();

    const PidInfo& pid(int number) const { return catalogue.pid(number); }
};

TEST_F(Catalogue, BuildNumbersTheEntries) {
    EXPECT_EQ(pid(0x01).pidNumber, 1);
    EXPECT_EQ(pid(0x01).pidCode, QStringLiteral("01"));
    EXPECT_EQ(pid(0x0C).pidCode, QStringLiteral("0C"));
    EXPECT_EQ(pid(0x4E).pidNumber, 78);
    EXPECT_EQ(pid(0x4E).pidCode, QStringLiteral("4E"));
    // A number without an entry is refused, not read past the end of the table.
    for (int number : {0, 0x60, 0x95, 0xC5, 0x100})
        EXPECT_THROW((void)catalogue.pid(number), std::out_of_range) << number;
}

// A PID above 4E with several values has an entry per value, each with its own code and key;
// the sub-values a vehicle's byte A leaves out are not present.
TEST_F(Catalogue, ValuesAbove4EAreSensorsOfTheirOwn) {
    const std::span<const PidInfo> coolant = catalogue.valuesOf(0x67);
    ASSERT_EQ(coolant.size(), 2u);
    EXPECT_EQ(coolant[1].name, QStringLiteral("Engine coolant temperature sensor 2"));
    EXPECT_EQ(coolant[1].code(), QStringLiteral("67-2"));
    EXPECT_EQ(coolant[1].metricUnit, QStringLiteral("°C"));
    EXPECT_EQ(coolant[1].englishUnit, QStringLiteral("°F"));
    EXPECT_EQ(catalogue.byKey(coolant[1].key()), &coolant[1]);
    EXPECT_EQ(catalogue.byCode(QStringLiteral("67-2")), &coolant[1]);
    EXPECT_EQ(pid(0x5C).code(), QStringLiteral("5C"));
    EXPECT_EQ(catalogue.byKey(0x5C + 256), nullptr);

    SupportedPidSet supported{};
    supported[0x67 - 1] = true;
    EXPECT_TRUE(coolant[1].presentIn(supported)); // byte A not read: every value offered
    supported.setPresenceByte(0x67, 0x01);
    EXPECT_TRUE(coolant[0].presentIn(supported));
    EXPECT_FALSE(coolant[1].presentIn(supported));
    EXPECT_FALSE(pid(0x5C).presentIn(supported));
}

TEST_F(Catalogue, LiveSensorsAreTheDocumentedOnes) {
    QStringList notLive;
    for (const PidInfo& entry : catalogue.entries()) {
        if (!entry.liveSensor && entry.pidNumber <= CataloguePidCount) {
            notLive << entry.pidCode;
        }
    }
    EXPECT_EQ(notLive, QStringList({"01", "02", "13", "1C", "20", "40"}));
}

TEST_F(Catalogue, NamesUnitsAndRanges) {
    const PidInfo& rpm = pid(0x0C);
    EXPECT_EQ(rpm.name, QStringLiteral("Engine RPM"));
    EXPECT_EQ(rpm.metricUnit, QStringLiteral("U/min"));
    EXPECT_EQ(rpm.englishUnit, QStringLiteral("rpm"));
    EXPECT_EQ(rpm.graphMax, 8000.0);

    const PidInfo& coolant = pid(0x05);
    EXPECT_EQ(coolant.metricUnit, QStringLiteral("°C"));
    EXPECT_EQ(coolant.englishUnit, QStringLiteral("°F"));
    EXPECT_EQ(coolant.graphMin, -40.0);

    EXPECT_EQ(pid(0x24).name, QStringLiteral("Bank 1 – Sensor 1 (wide range O2S)"));
    EXPECT_EQ(pid(0x3B).name, QStringLiteral("Bank 2 - Sensor 4 (wide range O2S)"));
    EXPECT_EQ(pid(0x3B).metricUnit, QStringLiteral("L - mA"));
    EXPECT_EQ(pid(0x1D).name, pid(0x13).name);
    EXPECT_EQ(pid(0x23).name, QStringLiteral("Fuel Rail Pressure"));
    EXPECT_EQ(pid(0x23).graphMax, 655350.0);
    EXPECT_EQ(pid(0x14).graphMax, 1.275);
    EXPECT_EQ(pid(0x32).englishUnit, QStringLiteral("H2O"));
    EXPECT_EQ(pid(0x32).graphMin, -8192.0);
    EXPECT_TRUE(pid(0x01).metricUnit.isEmpty());
}

TEST_F(Catalogue, BuildTakesTheTranslatedTextsAndCutsThem) {
    const TextOverride name(const_str::Pid0CName, QString(200, QLatin1Char('D')));
    const TextOverride unit(const_str::UnitRevsPerMinuteMetric, QStringLiteral("Umdrehungen/min"));
    const PidCatalogue translated = buildPidCatalogue();
    EXPECT_EQ(translated.pid(0x0C).name, QString(127, QLatin1Char('D')));
    EXPECT_EQ(translated.pid(0x0C).metricUnit, QStringLiteral("Umdrehunge"));
    EXPECT_EQ(translated.pid(0x0C).englishUnit, QStringLiteral("rpm"));
}

TEST_F(Catalogue, ALaterBuildLeavesOneBuiltBeforeItAsItWas) {
    const TextOverride name(const_str::Pid05Name, QStringLiteral("Kühlmitteltemperatur"));
    const PidCatalogue later = buildPidCatalogue();
    EXPECT_EQ(pid(0x05).name, QStringLiteral("Engine Coolant Temperature"));
    EXPECT_EQ(later.pid(0x05).name, QStringLiteral("Kühlmitteltemperatur"));
}

} // namespace
