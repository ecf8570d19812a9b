#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/const_str.h"

#include <QStringList>
#include <gtest/gtest.h>

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
    void SetUp() override {
        PrepareCatalogues();
        RefreshCatalogueTexts();
    }
    void TearDown() override { RefreshCatalogueTexts(); }
};

TEST_F(Catalogue, PreparationNumbersTheEntries) {
    for (const TSensorCatalogue* table : {&SensorCatalogue, &FreezeFrameCatalogue}) {
        EXPECT_EQ((*table)[0].pidNumber, 1);
        EXPECT_EQ((*table)[0].pidCode, QStringLiteral("01"));
        EXPECT_EQ((*table)[0x0B].pidCode, QStringLiteral("0C"));
        EXPECT_EQ((*table)[77].pidNumber, 78);
        EXPECT_EQ((*table)[77].pidCode, QStringLiteral("4E"));
        EXPECT_EQ((*table)[20].valueText, QStringLiteral("0"));
        for (int k : {78, 79}) {
            EXPECT_EQ((*table)[k].pidNumber, 0);
            EXPECT_TRUE((*table)[k].pidCode.isEmpty());
            EXPECT_TRUE((*table)[k].name.isEmpty());
            EXPECT_FALSE((*table)[k].liveSensor);
        }
    }
}

TEST_F(Catalogue, LiveSensorsAreTheDocumentedOnes) {
    QStringList notLive;
    for (int k = 0; k < CataloguePidCount; ++k) {
        if (!SensorCatalogue[k].liveSensor) {
            notLive << SensorCatalogue[k].pidCode;
        }
    }
    EXPECT_EQ(notLive, QStringList({"01", "02", "13", "1C", "20", "40"}));
}

TEST_F(Catalogue, NamesUnitsAndRanges) {
    const TSensorData& rpm = SensorCatalogue[0x0C - 1];
    EXPECT_EQ(rpm.name, QStringLiteral("Engine RPM"));
    EXPECT_EQ(rpm.metricUnit, QStringLiteral("U/min"));
    EXPECT_EQ(rpm.englishUnit, QStringLiteral("rpm"));
    EXPECT_EQ(rpm.graphMax, 8000.0);

    const TSensorData& coolant = SensorCatalogue[0x05 - 1];
    EXPECT_EQ(coolant.metricUnit, QStringLiteral("°C"));
    EXPECT_EQ(coolant.englishUnit, QStringLiteral("°F"));
    EXPECT_EQ(coolant.graphMin, -40.0);

    EXPECT_EQ(SensorCatalogue[0x24 - 1].name, QStringLiteral("Bank 1 – Sensor 1 (wide range O2S)"));
    EXPECT_EQ(SensorCatalogue[0x3B - 1].name, QStringLiteral("Bank 2 - Sensor 4 (wide range O2S)"));
    EXPECT_EQ(SensorCatalogue[0x3B - 1].metricUnit, QStringLiteral("L - mA"));
    EXPECT_EQ(SensorCatalogue[0x1D - 1].name, SensorCatalogue[0x13 - 1].name);
    EXPECT_EQ(SensorCatalogue[0x23 - 1].name, QStringLiteral("Fuel Rail Pressure"));
    EXPECT_EQ(SensorCatalogue[0x23 - 1].graphMax, 655350.0);
    EXPECT_EQ(SensorCatalogue[0x14 - 1].graphMax, 1.275);
    EXPECT_EQ(SensorCatalogue[0x32 - 1].englishUnit, QStringLiteral("H2O"));
    EXPECT_EQ(SensorCatalogue[0x32 - 1].graphMin, -8192.0);
    EXPECT_TRUE(SensorCatalogue[0x01 - 1].metricUnit.isEmpty());
}

TEST_F(Catalogue, RefreshTakesTheTranslatedTextsAndCutsThem) {
    const TextOverride name(const_str::Pid0CName, QString(200, QLatin1Char('D')));
    const TextOverride unit(const_str::UnitRevsPerMinuteMetric, QStringLiteral("Umdrehungen/min"));
    RefreshCatalogueTexts();
    EXPECT_EQ(SensorCatalogue[0x0C - 1].name, QString(127, QLatin1Char('D')));
    EXPECT_EQ(SensorCatalogue[0x0C - 1].metricUnit, QStringLiteral("Umdrehunge"));
    EXPECT_EQ(FreezeFrameCatalogue[0x0C - 1].name, SensorCatalogue[0x0C - 1].name);
    EXPECT_EQ(FreezeFrameCatalogue[0x0C - 1].metricUnit, QStringLiteral("Umdrehunge"));
    EXPECT_EQ(FreezeFrameCatalogue[0x0C - 1].englishUnit, QStringLiteral("rpm"));
}

TEST_F(Catalogue, PreparationKeepsTextsRefreshedBeforeIt) {
    SensorCatalogue[4].supported = true;
    SensorCatalogue[4].valueText = QStringLiteral("83");
    PrepareCatalogues();
    EXPECT_EQ(SensorCatalogue[4].name, QStringLiteral("Engine Coolant Temperature"));
    EXPECT_FALSE(SensorCatalogue[4].supported);
    EXPECT_EQ(SensorCatalogue[4].valueText, QStringLiteral("0"));
}

} // namespace
