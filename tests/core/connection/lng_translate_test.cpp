#include "core/connection/lng_translate.h"

#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/const_str.h"
#include "core/l10n/grid_headings.h"
#include "core/l10n/mo_catalogue.h"
#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"

#include "tests/core/l10n/locale_tree.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

namespace {

struct RecordingSink : GridHeadingSink {
    int calls = 0;
    GridHeadingTexts texts;
    void setGridHeadings(const GridHeadingTexts& received) override {
        ++calls;
        texts = received;
    }
};

// Each test leaves the table English again for the next: a translator without catalogues
// restores every English original.
class LngTranslateTest : public testing::Test {
protected:
    void SetUp() override {
        PrepareCatalogues();
        m_root = test_env::freshDir(QStringLiteral("lng_translate"));
        locale_tree::addCatalogue(m_root, QStringLiteral("de"), QStringLiteral("sample_de_le.mo"));
    }
    void TearDown() override { lngTranslate(Translator(QStringLiteral("/nonexistent")), nullptr); }

    static const TSensorData& pid(const TSensorCatalogue& catalogue, int number) {
        return catalogue[number - 1];
    }

    QString m_root;
};

TEST_F(LngTranslateTest, GermanTextsReachTableCataloguesAndGrids) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de_DE"));
    RecordingSink sink;
    lngTranslate(translator, &sink);

    EXPECT_EQ(const_str::GridValue, QStringLiteral("Wert"));
    EXPECT_EQ(pid(SensorCatalogue, 0x05).name, QStringLiteral("Kühlmitteltemperatur"));
    EXPECT_EQ(pid(SensorCatalogue, 0x05).englishUnit, QStringLiteral("°F (Fahren"));
    EXPECT_EQ(pid(SensorCatalogue, 0x0C).metricUnit, QStringLiteral("1/min"));
    EXPECT_EQ(pid(FreezeFrameCatalogue, 0x0D).name, QStringLiteral("Fahrzeuggeschwindigkeit"));
    EXPECT_EQ(pid(FreezeFrameCatalogue, 0x05).name, QStringLiteral("Kühlmitteltemperatur"));
    EXPECT_EQ(pid(FreezeFrameCatalogue, 0x0C).metricUnit, QStringLiteral("1/min"));
    // Untranslated names stay English; the graph range is no text.
    EXPECT_EQ(pid(SensorCatalogue, 0x0B).name, QStringLiteral("Intake Manifold Absolute Pressure"));
    EXPECT_EQ(pid(SensorCatalogue, 0x0C).graphMax, 8000.0);

    ASSERT_EQ(sink.calls, 1);
    EXPECT_EQ(sink.texts.sensorTable,
              (QStringList{" S", "PID", "Messwert", "Wert", QString(), QString()}));
    EXPECT_EQ(sink.texts.freezeFrame, (QStringList{"PID", "Messwert", "Wert", QString()}));
    EXPECT_EQ(sink.texts.o2Grid,
              (QStringList{QString(), "PID", "Description", "Wert", "Min", "Max", QString()}));
}

TEST_F(LngTranslateTest, TheFewDeliberatelyEnglishOrGermanTextsStay) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    lngTranslate(translator, nullptr);
    // "ready" is compared with the interface's answer; the catalogue's "bereit" must not win.
    EXPECT_EQ(const_str::ready, QStringLiteral("ready"));
    EXPECT_EQ(const_str::NoCommunicationLine1,
              QStringLiteral("Kommunikation mit dem Fahrzeug ist nicht möglich."));
}

TEST_F(LngTranslateTest, ASecondPassTranslatesTheOriginalsAgain) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    lngTranslate(translator, nullptr);
    lngTranslate(translator, nullptr);
    EXPECT_EQ(const_str::GridSensor, QStringLiteral("Messwert"));
    EXPECT_EQ(pid(SensorCatalogue, 0x05).name, QStringLiteral("Kühlmitteltemperatur"));
}

TEST_F(LngTranslateTest, TheO2TestRowsHaveTheirFixedTexts) {
    RecordingSink sink;
    lngTranslate(Translator(m_root), &sink);
    const auto& rows = sink.texts.o2TestRows;
    EXPECT_EQ(rows[0].status, QStringLiteral("0"));
    EXPECT_EQ(rows[0].testId, QStringLiteral("$01"));
    EXPECT_EQ(rows[9].testId, QStringLiteral("$0A"));
    EXPECT_EQ(rows[0].description,
              QStringLiteral("Rich to lean sensor threshold voltage (constant)"));
    QString units;
    for (const auto& row : rows)
        units += row.unit;
    EXPECT_EQ(units, QStringLiteral("VVVVssVVss"));
}

// The shipped German catalogue covers every entry of the table.
TEST(GermanCatalogue, TranslatesEveryEntryOfTheTable) {
    MoCatalogue german;
    ASSERT_TRUE(
        german.load(data_dirs::programDir() + QStringLiteral("/locale/de/LC_MESSAGES/default.mo")));
    EXPECT_FALSE(german.headerField(QStringLiteral("Last-Translator")).isEmpty());
    EXPECT_EQ(german.headerField(QStringLiteral("X-Poedit-Language")), QStringLiteral("German"));
    QStringList missing;
    for (const const_str::Entry& entry : const_str::entries()) {
        if (!const_str::isUntranslated(entry) && german.find(QByteArray(entry.english)) == nullptr)
            missing.append(QString::fromLatin1(entry.name));
    }
    EXPECT_TRUE(missing.isEmpty()) << qPrintable(missing.join(QLatin1Char(' ')));
}

} // namespace

namespace {

// The string table keeps two German originals (the no-communication message): every shipped
// catalogue, English included, must give them in its own language, or an English window shows
// German.
TEST(ShippedCatalogues, GiveTheGermanOriginalsInTheirLanguage) {
    Translator translator(data_dirs::programDir() + QStringLiteral("/locale"));
    const QStringList languages = translator.availableLanguages();
    ASSERT_TRUE(languages.contains(QStringLiteral("en")));
    for (const QString& code : languages) {
        SCOPED_TRACE(code.toStdString());
        translator.chooseLanguage(code);
        for (const char* german : {"Kommunikation mit dem Fahrzeug ist nicht möglich.",
                                   "Initialisieren Sie das Interface neu."}) {
            const QString original = QString::fromUtf8(german);
            const QString shown = translator.translate(original);
            if (code == QLatin1String("de"))
                EXPECT_EQ(shown, original);
            else
                EXPECT_NE(shown, original);
        }
    }
    translator.chooseLanguage(QStringLiteral("en"));
    EXPECT_EQ(translator.translate(
                  QString::fromUtf8("Kommunikation mit dem Fahrzeug ist nicht möglich.")),
              "Communication with the vehicle is not possible.");
}

} // namespace
