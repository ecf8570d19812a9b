#include "core/l10n/mo_catalogue.h"

#include "tests/core/l10n/locale_tree.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString lookup(const MoCatalogue& catalogue, const char* msgid) {
    const QString* found = catalogue.find(QByteArray(msgid));
    return found ? *found : QStringLiteral("<none>");
}

class MoByteOrder : public testing::TestWithParam<const char*> {};

TEST_P(MoByteOrder, ReadsTranslationsAndHeader) {
    MoCatalogue catalogue;
    ASSERT_TRUE(catalogue.load(locale_tree::testMo(QString::fromLatin1(GetParam()))));
    EXPECT_EQ(lookup(catalogue, "Value"), QStringLiteral("Wert"));
    EXPECT_EQ(lookup(catalogue, "Engine Coolant Temperature"),
              QStringLiteral("Kühlmitteltemperatur"));
    EXPECT_EQ(lookup(catalogue, "°F"), QStringLiteral("°F (Fahrenheit)"));
    // An untranslated entry and an unknown text both stay English for the caller.
    EXPECT_EQ(lookup(catalogue, "Not yet translated"), QStringLiteral("<none>"));
    EXPECT_EQ(lookup(catalogue, "value"), QStringLiteral("<none>"));
    // Plural entries answer by their singular with the first form.
    EXPECT_EQ(lookup(catalogue, "%1 file"), QStringLiteral("%1 Datei"));

    EXPECT_EQ(catalogue.headerField(QStringLiteral("LAST-TRANSLATOR")),
              QStringLiteral("Erika Muster <erika@example.org>"));
    EXPECT_EQ(catalogue.headerField(QStringLiteral("x-poedit-language")), QStringLiteral("German"));
    EXPECT_EQ(catalogue.headerField(QStringLiteral("X-Poedit-Country")), QString());
}

INSTANTIATE_TEST_SUITE_P(BothByteOrders, MoByteOrder,
                         testing::Values("sample_de_le.mo", "sample_de_be.mo"));

TEST(MoCatalogue, BothByteOrdersReadTheSame) {
    EXPECT_NE(readAll(locale_tree::testMo(QStringLiteral("sample_de_le.mo"))),
              readAll(locale_tree::testMo(QStringLiteral("sample_de_be.mo"))));
    MoCatalogue little;
    MoCatalogue big;
    ASSERT_TRUE(little.load(locale_tree::testMo(QStringLiteral("sample_de_le.mo"))));
    ASSERT_TRUE(big.load(locale_tree::testMo(QStringLiteral("sample_de_be.mo"))));
    EXPECT_EQ(little.size(), big.size());
}

TEST(MoCatalogue, UnusableFilesLoadNothing) {
    MoCatalogue catalogue;
    EXPECT_FALSE(catalogue.load(QStringLiteral("/nonexistent/default.mo")));
    EXPECT_FALSE(catalogue.parse(QByteArray()));
    EXPECT_FALSE(catalogue.parse(QByteArray("msgid \"Value\"\nmsgstr \"Wert\"\n")));
    EXPECT_FALSE(catalogue.parse(QByteArray(64, '\0')));
    EXPECT_TRUE(catalogue.isEmpty());
}

TEST(MoCatalogue, EveryTruncationIsRejected) {
    const QByteArray whole = readAll(locale_tree::testMo(QStringLiteral("sample_de_le.mo")));
    ASSERT_GT(whole.size(), 100);
    MoCatalogue catalogue;
    for (qsizetype length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(catalogue.parse(whole.left(length))) << "length " << length;
        EXPECT_TRUE(catalogue.isEmpty());
    }
    EXPECT_TRUE(catalogue.parse(whole));
}

TEST(MoCatalogue, HostileTableEntriesAreRejected) {
    const QByteArray whole = readAll(locale_tree::testMo(QStringLiteral("sample_de_le.mo")));
    const auto poke = [&whole](int at, quint32 value) {
        QByteArray damaged = whole;
        for (int i = 0; i < 4; ++i)
            damaged[at + i] = char((value >> (8 * i)) & 0xFF);
        return damaged;
    };
    MoCatalogue catalogue;
    // Entry count, table offsets, a string length and a string offset, each far out of range
    // or wrapping around when added.
    EXPECT_FALSE(catalogue.parse(poke(8, 0xFFFFFFFF)));
    EXPECT_FALSE(catalogue.parse(poke(12, 0xFFFFFFF8)));
    EXPECT_FALSE(catalogue.parse(poke(16, 0x7FFFFFFF)));
    quint32 originals = 0;
    for (int i = 3; i >= 0; --i)
        originals = originals << 8 | quint8(whole[12 + i]);
    EXPECT_FALSE(catalogue.parse(poke(int(originals), 0xFFFFFFFF)));
    EXPECT_FALSE(catalogue.parse(poke(int(originals) + 4, 0xFFFFFFFE)));
}

// A little-endian catalogue whose entry i translates "k<i>" by the shared string: each
// translation entry names the same bytes.
QByteArray sharedTranslationCatalogue(int entries, const QByteArray& shared) {
    const quint32 tables = 28;
    const quint32 translations = tables + 8 * entries;
    quint32 strings = translations + 8 * entries;
    QByteArray keys;
    QList<quint32> keyOffsets;
    for (int i = 0; i < entries; ++i) {
        keyOffsets << quint32(keys.size());
        keys += "k" + QByteArray::number(i) + '\0';
    }
    const quint32 sharedOffset = strings + quint32(keys.size());
    QByteArray mo;
    const auto put = [&mo](quint32 value) {
        for (int i = 0; i < 4; ++i)
            mo += char((value >> (8 * i)) & 0xFF);
    };
    for (quint32 word : {0x950412deu, 0u, quint32(entries), tables, translations, 0u, 0u})
        put(word);
    for (int i = 0; i < entries; ++i) {
        put(quint32(QByteArray::number(i).size() + 1));
        put(strings + keyOffsets[i]);
    }
    for (int i = 0; i < entries; ++i) {
        put(quint32(shared.size()));
        put(sharedOffset);
    }
    return mo + keys + shared + '\0';
}

TEST(MoCatalogue, EntriesSharingOneStringAreReadWithinReason) {
    // A tool may store a translation that several entries share only once.
    MoCatalogue catalogue;
    ASSERT_TRUE(catalogue.parse(sharedTranslationCatalogue(3, "Wert")));
    EXPECT_EQ(lookup(catalogue, "k2"), QStringLiteral("Wert"));

    // Hundreds of entries that all name the same large string would make the reading cost
    // hundreds of times the file size (a few megabytes of file: minutes at start-up). Such a
    // catalogue is damaged and loads nothing.
    const QByteArray crafted = sharedTranslationCatalogue(400, QByteArray(8000, 'x'));
    ASSERT_LT(crafted.size(), 20000);
    EXPECT_FALSE(catalogue.parse(crafted));
    EXPECT_TRUE(catalogue.isEmpty());
}

TEST(MoCatalogue, RandomDamageNeverCrashes) {
    const QByteArray whole = readAll(locale_tree::testMo(QStringLiteral("sample_de_be.mo")));
    QRandomGenerator random(20261209);
    MoCatalogue catalogue;
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = whole;
        const int hits = 1 + int(random.bounded(8));
        for (int i = 0; i < hits; ++i)
            damaged[int(random.bounded(damaged.size()))] = char(random.bounded(256));
        // Either rejected whole or read; a read catalogue answers lookups without fault.
        if (catalogue.parse(damaged))
            (void)catalogue.find(QByteArrayLiteral("Value"));
    }
}

} // namespace
