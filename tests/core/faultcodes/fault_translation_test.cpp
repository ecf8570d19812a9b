#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_table_loader.h"
#include "tests/support/recording_notifier.h"
#include "tools/faultpack/fault_table_tsv.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

// The French and Spanish tables measured against the English one they are made from, and the
// modules the build packs from them.
namespace {

const char* const kTranslations[] = {"fr", "es"};

using Key = std::pair<QString, QString>; // maker, code

QMap<Key, QString> descriptions(const QString& language) {
    QMap<Key, QString> byKey;
    for (const FaultRecord& r :
         fault_table_tsv::read(QStringLiteral(FAULTCODES_DATA_DIR "/%1.tsv").arg(language)))
        byKey.insert({r.manufacturer, r.code}, r.description);
    return byKey;
}

// Numbers and the quoted letters of J2012 ("A"), in their order: what no translation may change.
QStringList fixedParts(const QString& text) {
    static const QRegularExpression token(QStringLiteral(R"("[A-Z]"|\b\d+\b)"));
    QStringList parts;
    for (const QRegularExpressionMatch& m : token.globalMatch(text))
        parts << m.captured();
    return parts;
}

struct Term {
    QRegularExpression english;
    QStringList french, spanish;
};

QList<Term> frequentTerms() {
    QFile file(QStringLiteral(FAULTCODES_TEST_DATA_DIR "/fault_terms.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Term> terms;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() != 3)
            continue;
        // A whole word or phrase: "Circuit" is not found in "Circuit/Open".
        terms.append({QRegularExpression(QStringLiteral(R"((?<![\w/])%1(?![\w/]))")
                                             .arg(QRegularExpression::escape(fields[0])),
                                         QRegularExpression::CaseInsensitiveOption),
                      fields[1].split(u'|'), fields[2].split(u'|')});
    }
    return terms;
}

bool holdsOneOf(const QString& text, const QStringList& words) {
    return std::any_of(words.begin(), words.end(),
                       [&](const QString& w) { return text.contains(w, Qt::CaseInsensitive); });
}

} // namespace

TEST(FaultTranslations, EveryEnglishRecordWithItsNumbersAndLetters) {
    const QMap<Key, QString> english = descriptions("en");
    for (const char* language : kTranslations) {
        SCOPED_TRACE(language);
        const QMap<Key, QString> translated = descriptions(language);
        // The same codes under each maker; read() has already refused empty descriptions.
        EXPECT_EQ(translated.size(), english.size());
        for (auto it = english.begin(); it != english.end(); ++it) {
            const std::string where = (it.key().first + u' ' + it.key().second).toStdString();
            ASSERT_TRUE(translated.contains(it.key())) << where;
            const QString text = translated.value(it.key());
            EXPECT_EQ(fixedParts(text), fixedParts(it.value()))
                << where << ": " << text.toStdString();
            EXPECT_NE(text, it.value()) << where;
        }
    }
}

TEST(FaultTranslations, FrequentTermsHaveTheirWorkshopTranslation) {
    const QList<Term> terms = frequentTerms();
    ASSERT_EQ(terms.size(), 50);
    const QMap<Key, QString> english = descriptions("en");
    const QMap<Key, QString> french = descriptions("fr");
    const QMap<Key, QString> spanish = descriptions("es");
    for (const Term& term : terms) {
        int uses = 0;
        for (auto it = english.begin(); it != english.end(); ++it) {
            if (!term.english.match(it.value()).hasMatch())
                continue;
            ++uses;
            EXPECT_TRUE(holdsOneOf(french.value(it.key()), term.french))
                << term.english.pattern().toStdString() << " in "
                << french.value(it.key()).toStdString();
            EXPECT_TRUE(holdsOneOf(spanish.value(it.key()), term.spanish))
                << term.english.pattern().toStdString() << " in "
                << spanish.value(it.key()).toStdString();
        }
        EXPECT_GT(uses, 0) << term.english.pattern().toStdString();
    }
}

// Through the loader the program uses, from the modules the build put beside it.
TEST(FaultTranslations, BuiltModulesDescribeCodesInTheirLanguage) {
    for (const char* language : kTranslations) {
        SCOPED_TRACE(language);
        RecordingNotifier notifier;
        FaultCodeTable table;
        loadFaultCodeTable(table, QString::fromLatin1(language), notifier,
                           QStringLiteral(FAULTCODES_PROGRAM_DIR));
        EXPECT_TRUE(notifier.messages.isEmpty());
        const QMap<Key, QString> expected = descriptions(language);
        EXPECT_EQ(table.records().size(), expected.size());
        for (const Key& key : {Key{"Generic", "P0133"}, Key{"Ford", "P1107"}})
            EXPECT_EQ(table.findDescription(key.second, key.first), expected.value(key));
        EXPECT_EQ(table.manufacturers().first(), QString("Generic"));
    }
}
