#include "core/l10n/translator.h"

#include "tests/core/l10n/locale_tree.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using locale_tree::addCatalogue;

class TranslatorTest : public testing::Test {
protected:
    void SetUp() override {
        m_root = test_env::freshDir(QStringLiteral("translator_locale"));
        addCatalogue(m_root, QStringLiteral("de"), QStringLiteral("sample_de_le.mo"));
        addCatalogue(m_root, QStringLiteral("FR"), QStringLiteral("sample_fr.mo"));
        addCatalogue(m_root, QStringLiteral("de"), QStringLiteral("languages_de.mo"),
                     QStringLiteral("languages"));
        // A help book alone does not make a language.
        QDir().mkpath(m_root + QStringLiteral("/it"));
        QFile help(m_root + QStringLiteral("/it/QuorvanePro.html"));
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    }
    QString m_root;
};

TEST_F(TranslatorTest, TranslatesInTheChosenLanguage) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    EXPECT_EQ(translator.currentLanguage(), QStringLiteral("de"));
    EXPECT_EQ(translator.translate(QStringLiteral("Value")), QStringLiteral("Wert"));
    EXPECT_EQ(translator.translate(QStringLiteral("Not yet translated")),
              QStringLiteral("Not yet translated"));
    EXPECT_EQ(translator.translate(QStringLiteral("No such text")), QStringLiteral("No such text"));
    EXPECT_EQ(translator.translate(QStringLiteral("languages"), QStringLiteral("Français")),
              QStringLiteral("Französisch"));
    EXPECT_EQ(translator.headerField(QStringLiteral("Last-Translator")),
              QStringLiteral("Erika Muster <erika@example.org>"));
}

TEST_F(TranslatorTest, ACountryCodeFallsBackToItsLanguage) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de_DE"));
    EXPECT_EQ(translator.currentLanguage(), QStringLiteral("de_DE"));
    EXPECT_EQ(translator.translate(QStringLiteral("Value")), QStringLiteral("Wert"));
    EXPECT_EQ(translator.headerField(QStringLiteral("X-Poedit-Language")),
              QStringLiteral("German"));
}

TEST_F(TranslatorTest, ADirectoryInCapitalsServesItsLowerCaseCode) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("fr"));
    EXPECT_EQ(translator.translate(QStringLiteral("Value")), QStringLiteral("Valeur"));
}

TEST_F(TranslatorTest, LanguagesWithoutCatalogueStayEnglish) {
    for (const char* code : {"it", "en", "", "../de", "C"}) {
        Translator translator(m_root);
        translator.chooseLanguage(QString::fromLatin1(code));
        EXPECT_EQ(translator.translate(QStringLiteral("Value")), QStringLiteral("Value")) << code;
        EXPECT_EQ(translator.headerField(QStringLiteral("Last-Translator")), QString()) << code;
    }
    Translator nowhere(QStringLiteral("/nonexistent/locale"));
    nowhere.chooseLanguage(QStringLiteral("de"));
    EXPECT_EQ(nowhere.translate(QStringLiteral("Value")), QStringLiteral("Value"));
    EXPECT_TRUE(nowhere.availableLanguages().isEmpty());
}

TEST_F(TranslatorTest, ADamagedCatalogueLeavesTextsEnglish) {
    QFile file(m_root + QStringLiteral("/de/LC_MESSAGES/default.mo"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    EXPECT_EQ(translator.translate(QStringLiteral("Value")), QStringLiteral("Value"));
}

// Only a catalogue that is there and cannot be read is told, by its path and the reason.
TEST_F(TranslatorTest, ARefusedCatalogueIsNamedWithItsReason) {
    const QString path = m_root + QStringLiteral("/de/LC_MESSAGES/default.mo");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de_AT"));
    const QString refused = translator.refusedCatalogue();
    EXPECT_TRUE(refused.contains(path)) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("lies outside the file"))) << refused.toStdString();

    for (const char* sound : {"fr", "it", "en"}) {
        translator.chooseLanguage(QString::fromLatin1(sound));
        EXPECT_EQ(translator.refusedCatalogue(), QString()) << sound;
    }
}

TEST_F(TranslatorTest, ListsDirectoriesWithADefaultCatalogueOnce) {
    // A second spelling of an existing language is listed once.
    addCatalogue(m_root, QStringLiteral("De"), QStringLiteral("sample_de_le.mo"));
    Translator translator(m_root);
    QStringList codes = translator.availableLanguages();
    codes.sort();
    EXPECT_EQ(codes, (QStringList{"de", "fr"}));
    EXPECT_EQ(translator.availableLanguages(QStringLiteral("languages")), QStringList{"de"});
}

TEST_F(TranslatorTest, ABoundDomainReadsItsOneFile) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("fr"));
    EXPECT_EQ(translator.translate(QStringLiteral("languagenames"), QStringLiteral("de")),
              QStringLiteral("de"));
    translator.bindDomain(QStringLiteral("languagenames"),
                          locale_tree::testMo(QStringLiteral("names.mo")));
    EXPECT_EQ(translator.translate(QStringLiteral("languagenames"), QStringLiteral("de")),
              QStringLiteral("Deutsch"));
    translator.chooseLanguage(QStringLiteral("de"));
    EXPECT_EQ(translator.translate(QStringLiteral("languagenames"), QStringLiteral("fr")),
              QStringLiteral("Français"));
}

} // namespace
