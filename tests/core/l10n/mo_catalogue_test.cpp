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
