#include "core/connection/catalogue_translation.h"

#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/const_str.h"
#include "core/l10n/grid_headings.h"
#include "core/l10n/mo_catalogue.h"
#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"

#include "tests/core/l10n/locale_tree.h"
#include "tests/support/test_environment.h"

#include <QRegularExpression>
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
        m_root = test_env::freshDir(QStringLiteral("lng_translate"));
        locale_tree::addCatalogue(m_root, QStringLiteral("de"), QStringLiteral("sample_de_le.mo"));
    }
    void TearDown() override {
        (void)translateCatalogues(Translator(QStringLiteral("/nonexistent")), nullptr);
    }

    QString m_root;
};

TEST_F(LngTranslateTest, GermanTextsReachTableCataloguesAndGrids) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de_DE"));
    RecordingSink sink;
    const PidCatalogue catalogue = translateCatalogues(translator, &sink);

    EXPECT_EQ(const_str::GridValue, QStringLiteral("Wert"));
    EXPECT_EQ(catalogue.pid(0x05).name, QStringLiteral("Kühlmitteltemperatur"));
    EXPECT_EQ(catalogue.pid(0x05).englishUnit, QStringLiteral("°F (Fahren"));
    EXPECT_EQ(catalogue.pid(0x0C).metricUnit, QStringLiteral("1/min"));
    EXPECT_EQ(catalogue.pid(0x0D).name, QStringLiteral("Fahrzeuggeschwindigkeit"));
    // Untranslated names stay English; the graph range is no text.
    EXPECT_EQ(catalogue.pid(0x0B).name, QStringLiteral("Intake Manifold Absolute Pressure"));
    EXPECT_EQ(catalogue.pid(0x0C).graphMax, 8000.0);

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
    (void)translateCatalogues(translator, nullptr);
    // Only shown in the connection log, never compared with an answer: the user's language.
    EXPECT_EQ(const_str::ready, QStringLiteral("bereit"));
    EXPECT_EQ(const_str::NoCommunicationLine1,
              QStringLiteral("Kommunikation mit dem Fahrzeug ist nicht möglich."));
}

TEST_F(LngTranslateTest, ASecondPassTranslatesTheOriginalsAgain) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    (void)translateCatalogues(translator, nullptr);
    const PidCatalogue catalogue = translateCatalogues(translator, nullptr);
    EXPECT_EQ(const_str::GridSensor, QStringLiteral("Messwert"));
    EXPECT_EQ(catalogue.pid(0x05).name, QStringLiteral("Kühlmitteltemperatur"));
}

TEST_F(LngTranslateTest, TheO2TestRowsHaveTheirFixedTexts) {
    RecordingSink sink;
    (void)translateCatalogues(Translator(m_root), &sink);
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

// Every shipped catalogue other than English translates every entry of the table and every
// window caption (the German catalogue is the reference for the captions, which live in the ui
// code), and keeps each placeholder and each piece of markup of the original.
struct ShippedLanguage {
    const char* code;
    const char* name; // X-Poedit-Language
};
void PrintTo(const ShippedLanguage& language, std::ostream* out) {
    *out << language.code;
}

class ShippedCatalogue : public testing::TestWithParam<ShippedLanguage> {
protected:
    static MoCatalogue load(const char* code) {
        MoCatalogue catalogue;
        EXPECT_TRUE(catalogue.load(data_dirs::programDir() + QStringLiteral("/locale/") +
                                   QLatin1String(code) + QStringLiteral("/LC_MESSAGES/default.mo")))
            << code;
        return catalogue;
    }
};

// The %1 … %99 of QString::arg and the tags of rich text, in order of appearance, then sorted:
// a translation may reorder them but must keep each one.
QStringList markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?\\d{1,2}|<[^<>]*>"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

TEST_P(ShippedCatalogue, TranslatesEveryTableEntryAndWindowCaption) {
    const MoCatalogue catalogue = load(GetParam().code);
    EXPECT_FALSE(catalogue.headerField(QStringLiteral("Last-Translator")).isEmpty());
    EXPECT_EQ(catalogue.headerField(QStringLiteral("X-Poedit-Language")),
              QLatin1String(GetParam().name));

    QStringList missing;
    for (const const_str::Entry& entry : const_str::entries()) {
        if (!const_str::isUntranslated(entry) &&
            catalogue.find(QByteArray(entry.english)) == nullptr)
            missing.append(QString::fromLatin1(entry.name));
    }
    const MoCatalogue german = load("de");
    for (auto it = german.messages().cbegin(); it != german.messages().cend(); ++it) {
        if (catalogue.find(it.key()) == nullptr)
            missing.append(QString::fromUtf8(it.key()));
    }
    EXPECT_TRUE(missing.isEmpty()) << qPrintable(missing.join(QStringLiteral(" | ")));
}

TEST_P(ShippedCatalogue, KeepsThePlaceholdersAndMarkupOfEachOriginal) {
    const MoCatalogue catalogue = load(GetParam().code);
    int withMarkers = 0;
    for (auto it = catalogue.messages().cbegin(); it != catalogue.messages().cend(); ++it) {
        const QString original = QString::fromUtf8(it.key());
        EXPECT_EQ(markers(it.value()), markers(original)) << qPrintable(original);
        withMarkers += markers(original).isEmpty() ? 0 : 1;
    }
    // The check saw the texts it is there for (the report's and the network's messages).
    EXPECT_GE(withMarkers, 10);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedCatalogue,
                         testing::Values(ShippedLanguage{"de", "German"},
                                         ShippedLanguage{"fr", "French"},
                                         ShippedLanguage{"es", "Spanish"}),
                         [](const testing::TestParamInfo<ShippedLanguage>& info) {
                             return std::string(info.param.code);
                         });

// The check itself: a lost or renumbered placeholder and a lost tag are seen; reordering is
// allowed.
TEST(CatalogueMarkers, APlaceholderLostOrMisnumberedIsSeen) {
    EXPECT_EQ(markers(QStringLiteral("Cannot connect to %1: %2")),
              markers(QStringLiteral("Connexion à %2 impossible : %1")));
    EXPECT_NE(markers(QStringLiteral("Cannot connect to %1: %2")),
              markers(QStringLiteral("Connexion à %1 impossible")));
    EXPECT_NE(markers(QStringLiteral("%1 of %2")), markers(QStringLiteral("%1 de %3")));
    EXPECT_NE(markers(QStringLiteral("<b>Read</b>")), markers(QStringLiteral("<b>Lire")));
    EXPECT_EQ(markers(QStringLiteral("Load %")), QStringList());
}

} // namespace

namespace {

// The string table keeps a few German originals (the no-communication message, the report's
// "Marke", the metric unit of engine speed): every shipped
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
                                   "Initialisieren Sie das Interface neu.", "Marke", "U/min"}) {
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
