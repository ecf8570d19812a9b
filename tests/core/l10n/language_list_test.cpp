#include "core/l10n/const_str.h"
#include "core/l10n/flag_library.h"
#include "core/l10n/language_list.h"
#include "core/l10n/translator.h"
#include "core/l10n/user_notifier.h"
#include "core/settings/data_dirs.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"
#include "tests/support/recording_notifier.h"

#include "tests/core/l10n/locale_tree.h"
#include "tests/support/test_environment.h"

#include <QFile>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using locale_tree::addCatalogue;

QString stagedFlags() {
    return data_dirs::programDir() + QStringLiteral("/lang_fl.dll");
}

class LanguageListTest : public testing::Test {
protected:
    void SetUp() override {
        m_root = test_env::freshDir(QStringLiteral("language_list"));
        addCatalogue(m_root, QStringLiteral("DE"), QStringLiteral("sample_de_le.mo"));
        addCatalogue(m_root, QStringLiteral("de"), QStringLiteral("languages_de.mo"),
                     QStringLiteral("languages"));
        addCatalogue(m_root, QStringLiteral("fr"), QStringLiteral("sample_fr.mo"));
        addCatalogue(m_root, QStringLiteral("xx"), QStringLiteral("sample_fr.mo"));
        ASSERT_TRUE(QFile::copy(locale_tree::testMo(QStringLiteral("names.mo")),
                                m_root + QStringLiteral("/languagenames.mo")));
    }

    const LanguageEntry* find(const LanguageList& list, const char* code) {
        for (const LanguageEntry& entry : list.entries) {
            if (entry.code == QLatin1String(code))
                return &entry;
        }
        return nullptr;
    }

    QString m_root;
    RecordingNotifier m_notifier;
};

TEST_F(LanguageListTest, EntriesCarryCodeNameAndFlag) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    const LanguageList list = buildLanguageList(translator, stagedFlags(), m_notifier);

    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_TRUE(m_notifier.messages.isEmpty());
    const LanguageEntry* de = find(list, "de");
    const LanguageEntry* fr = find(list, "fr");
    const LanguageEntry* xx = find(list, "xx");
    ASSERT_TRUE(de && fr && xx);
    EXPECT_EQ(de->name, QStringLiteral("Deutsch"));
    // Display names reach the run's language through the "languages" catalogue.
    EXPECT_EQ(fr->name, QStringLiteral("Französisch"));
    // No display name: the code itself.
    EXPECT_EQ(xx->name, QStringLiteral("xx"));
    EXPECT_TRUE(de->flag.startsWith("<svg"));
    EXPECT_TRUE(fr->flag.startsWith("<svg"));
    EXPECT_NE(de->flag, fr->flag);
    // A code without a flag of its own gets FLAG_NIL.
    FlagLibrary flags(stagedFlags());
    ASSERT_TRUE(flags.load());
    EXPECT_EQ(xx->flag, flags.flag(QStringLiteral("nil")));
    EXPECT_EQ(list.selected, int(de - list.entries.data()));
}

// The list selects the language the window speaks, also when the run's code is not listed
// itself (a first start takes the system's "de_DE" or a language without a catalogue).
TEST_F(LanguageListTest, SelectsTheLanguageTheTextsAreIn) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de_DE"));
    LanguageList list = buildLanguageList(translator, stagedFlags(), m_notifier);
    EXPECT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(translator.translate(QStringLiteral("Value")), QStringLiteral("Wert"));
    EXPECT_EQ(list.selected, int(find(list, "de") - list.entries.data()));
    EXPECT_EQ(translationInfo(translator).language, QStringLiteral("Deutsch"));

    // No catalogue for the language: the texts stay English, and without an English entry
    // nothing can be selected truthfully.
    translator.chooseLanguage(QStringLiteral("ja_JP"));
    EXPECT_EQ(buildLanguageList(translator, stagedFlags(), m_notifier).selected, -1);
    addCatalogue(m_root, QStringLiteral("en"), QStringLiteral("sample_fr.mo"));
    list = buildLanguageList(translator, stagedFlags(), m_notifier);
    EXPECT_EQ(list.selected, int(find(list, "en") - list.entries.data()));
    EXPECT_TRUE(translator.catalogueLanguage().isEmpty());
}

TEST_F(LanguageListTest, WithoutNamesTheCodesAreShown) {
    QFile::remove(m_root + QStringLiteral("/languagenames.mo"));
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("fr"));
    const LanguageList list = buildLanguageList(translator, stagedFlags(), m_notifier);
    ASSERT_TRUE(find(list, "de"));
    EXPECT_EQ(find(list, "de")->name, QStringLiteral("de"));
    EXPECT_EQ(list.selected, int(find(list, "fr") - list.entries.data()));
}

TEST_F(LanguageListTest, AMissingFlagLibraryIsReportedOncePerLanguage) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    const LanguageList list =
        buildLanguageList(translator, m_root + QStringLiteral("/lang_fl.dll"), m_notifier);
    EXPECT_EQ(m_notifier.texts(), QStringList(3, QStringLiteral("Bad lang_fl.dll Load")));
    for (const LanguageEntry& entry : list.entries)
        EXPECT_TRUE(entry.flag.isEmpty()) << qPrintable(entry.code);
}

TEST_F(LanguageListTest, ALibraryThatIsNoResourceFileCountsAsMissing) {
    const QString bogus = m_root + QStringLiteral("/bogus.dll");
    QFile file(bogus);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("MZ this is not a resource file");
    file.close();
    FlagLibrary flags(bogus);
    EXPECT_FALSE(flags.load());
    EXPECT_TRUE(flags.flag(QStringLiteral("de")).isEmpty());

    // The real library with its tree offset pointing at its last bytes: refused before Qt
    // would walk it.
    QFile staged(stagedFlags());
    ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
    QByteArray damaged = staged.readAll();
    ASSERT_GT(damaged.size(), 32);
    qToBigEndian(quint32(damaged.size() - 4), damaged.data() + 8);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damaged);
    file.close();
    FlagLibrary damagedFlags(bogus);
    EXPECT_FALSE(damagedFlags.load());
    EXPECT_TRUE(damagedFlags.flag(QStringLiteral("de")).isEmpty());
}

TEST_F(LanguageListTest, NoLocaleDirectoryGivesAnEmptyList) {
    Translator translator(m_root + QStringLiteral("/missing"));
    translator.chooseLanguage(QStringLiteral("de"));
    const LanguageList list = buildLanguageList(translator, stagedFlags(), m_notifier);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(list.selected, -1);
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(LanguageListTest, ChoosingALanguageStoresItAndAsksForARestart) {
    Translator translator(m_root);
    translator.chooseLanguage(QStringLiteral("de"));
    SettingsStore store(test_env::freshDir(QStringLiteral("language_choice")) +
                        QStringLiteral("/quorvane.ini"));
    languageChosen(QStringLiteral("fr"), store, m_notifier);

    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readText(setting_names::Language), QStringLiteral("fr"));
    store.close();
    EXPECT_EQ(m_notifier.texts(),
              QStringList{"You must restart OBD-II Quorvane for this change to take effect."});
    // The labels keep describing the catalogue of the run, its language in its own words.
    TranslationInfo info = translationInfo(translator);
    EXPECT_EQ(info.translator, QStringLiteral("Erika Muster <erika@example.org>"));
    EXPECT_EQ(info.language, QStringLiteral("Deutsch"));
    // Without a name for it, the catalogue's own field.
    QFile::remove(m_root + QStringLiteral("/languagenames.mo"));
    info = translationInfo(translator);
    EXPECT_EQ(info.language, QStringLiteral("German"));
}

// The language list offers English, German, French and Spanish, each with a flag of its own
// and named in the language of the run.
TEST(StagedLanguages, TheProgramShipsFourLanguagesWithNamesAndFlags) {
    const struct {
        const char* run;
        QStringList names;
    } runs[] = {
        {"de", {"de=Deutsch", "en=Englisch", "es=Spanisch", "fr=Französisch"}},
        {"fr", {"de=Allemand", "en=Anglais", "es=Espagnol", "fr=Français"}},
        {"es", {"de=Alemán", "en=Inglés", "es=Español", "fr=Francés"}},
        {"en", {"de=Deutsch", "en=English", "es=Español", "fr=Français"}},
    };
    FlagLibrary flags(stagedFlags());
    ASSERT_TRUE(flags.load());
    for (const auto& run : runs) {
        SCOPED_TRACE(run.run);
        Translator translator(data_dirs::programDir() + QStringLiteral("/locale"));
        translator.chooseLanguage(QLatin1String(run.run));
        RecordingNotifier notifier;
        const LanguageList list = buildLanguageList(translator, stagedFlags(), notifier);
        QStringList names;
        QSet<QByteArray> pictures;
        for (const LanguageEntry& entry : list.entries) {
            names.append(entry.code + QLatin1Char('=') + entry.name);
            EXPECT_TRUE(entry.flag.startsWith("<svg")) << qPrintable(entry.code);
            EXPECT_NE(entry.flag, flags.flag(QStringLiteral("nil"))) << qPrintable(entry.code);
            pictures.insert(entry.flag);
        }
        EXPECT_EQ(names, run.names);
        EXPECT_EQ(pictures.size(), 4);
        ASSERT_GE(list.selected, 0);
        EXPECT_EQ(list.entries[std::size_t(list.selected)].code, QLatin1String(run.run));
        EXPECT_TRUE(notifier.messages.isEmpty());
    }
}

} // namespace
