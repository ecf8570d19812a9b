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
        prepareCatalogues();
        refreshCatalogueTexts();
    }
    void TearDown() override { refreshCatalogueTexts(); }
};

TEST_F(Catalogue, PreparationNumbersTheEntries) {
    for (const PidCatalogue* table : {&sensorCatalogue, &freezeFrameCatalogue}) {
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
        if (!sensorCatalogue[k].liveSensor) {
            notLive << sensorCatalogue[k].pidCode;
        }
    }
    EXPECT_EQ(notLive, QStringList({"01", "02", "13", "1C", "20", "40"}));
}

TEST_F(Catalogue, NamesUnitsAndRanges) {
    const PidInfo& rpm = sensorCatalogue[0x0C - 1];
    EXPECT_EQ(rpm.name, QStringLiteral("Engine RPM"));
    EXPECT_EQ(rpm.metricUnit, QStringLiteral("U/min"));
    EXPECT_EQ(rpm.englishUnit, QStringLiteral("rpm"));
    EXPECT_EQ(rpm.graphMax, 8000.0);

    const PidInfo& coolant = sensorCatalogue[0x05 - 1];
    EXPECT_EQ(coolant.metricUnit, QStringLiteral("°C"));
    EXPECT_EQ(coolant.englishUnit, QStringLiteral("°F"));
    EXPECT_EQ(coolant.graphMin, -40.0);

    EXPECT_EQ(sensorCatalogue[0x24 - 1].name, QStringLiteral("Bank 1 – Sensor 1 (wide range O2S)"));
    EXPECT_EQ(sensorCatalogue[0x3B - 1].name, QStringLiteral("Bank 2 - Sensor 4 (wide range O2S)"));
    EXPECT_EQ(sensorCatalogue[0x3B - 1].metricUnit, QStringLiteral("L - mA"));
    EXPECT_EQ(sensorCatalogue[0x1D - 1].name, sensorCatalogue[0x13 - 1].name);
    EXPECT_EQ(sensorCatalogue[0x23 - 1].name, QStringLiteral("Fuel Rail Pressure"));
    EXPECT_EQ(sensorCatalogue[0x23 - 1].graphMax, 655350.0);
    EXPECT_EQ(sensorCatalogue[0x14 - 1].graphMax, 1.275);
    EXPECT_EQ(sensorCatalogue[0x32 - 1].englishUnit, QStringLiteral("H2O"));
    EXPECT_EQ(sensorCatalogue[0x32 - 1].graphMin, -8192.0);
    EXPECT_TRUE(sensorCatalogue[0x01 - 1].metricUnit.isEmpty());
}

TEST_F(Catalogue, RefreshTakesTheTranslatedTextsAndCutsThem) {
    const TextOverride name(const_str::Pid0CName, QString(200, QLatin1Char('D')));
    const TextOverride unit(const_str::UnitRevsPerMinuteMetric, QStringLiteral("Umdrehungen/min"));
    refreshCatalogueTexts();
    EXPECT_EQ(sensorCatalogue[0x0C - 1].name, QString(127, QLatin1Char('D')));
    EXPECT_EQ(sensorCatalogue[0x0C - 1].metricUnit, QStringLiteral("Umdrehunge"));
    EXPECT_EQ(freezeFrameCatalogue[0x0C - 1].name, sensorCatalogue[0x0C - 1].name);
    EXPECT_EQ(freezeFrameCatalogue[0x0C - 1].metricUnit, QStringLiteral("Umdrehunge"));
    EXPECT_EQ(freezeFrameCatalogue[0x0C - 1].englishUnit, QStringLiteral("rpm"));
}

TEST_F(Catalogue, PreparationKeepsTextsRefreshedBeforeIt) {
    sensorCatalogue[4].supported = true;
    sensorCatalogue[4].valueText = QStringLiteral("83");
    prepareCatalogues();
    EXPECT_EQ(sensorCatalogue[4].name, QStringLiteral("Engine Coolant Temperature"));
    EXPECT_FALSE(sensorCatalogue[4].supported);
    EXPECT_EQ(sensorCatalogue[4].valueText, QStringLiteral("0"));
}

} // namespace
