#include "core/j1979/hex_conversions.h"

#include <gtest/gtest.h>

namespace {

TEST(hexToInt, ReadsHexadecimalTextWithEmptyAsZero) {
    EXPECT_EQ(hexToInt(QString()), 0);
    EXPECT_EQ(hexToInt(QStringLiteral("FF")), 255);
    EXPECT_EQ(hexToInt(QStringLiteral("ff")), 255);
    EXPECT_EQ(hexToInt(QStringLiteral("7")), 7);
    EXPECT_EQ(hexToInt(QStringLiteral("118C")), 4492);
    EXPECT_EQ(hexToInt(QStringLiteral("7FFFFFFFFFFFFFFF")), std::numeric_limits<qint64>::max());
}

TEST(hexToInt, RejectsAnythingElseWithTheTextQuoted) {
    for (const char* bad : {"G1", " 1", "1 ", "-1", "0x10", "NO", "1.0", "12345678901234567"}) {
        SCOPED_TRACE(bad);
        try {
            hexToInt(QString::fromLatin1(bad));
            ADD_FAILURE() << "no conversion error";
        } catch (const HexConversionError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1Char('$') + QString::fromLatin1(bad)));
            EXPECT_NE(std::string(error.what()).find(std::string("$") + bad), std::string::npos);
        }
    }
}

TEST(binToInt, CountsOnlyOnesAndWrapsAt32Bits) {
    EXPECT_EQ(binToInt(QStringLiteral("101")), 5);
    EXPECT_EQ(binToInt(QStringLiteral("1x1")), 5);
    EXPECT_EQ(binToInt(QString()), 0);
    // The 33rd character from the right stands for bit 0 again.
    EXPECT_EQ(binToInt(QStringLiteral("1") + QString(32, QLatin1Char('0'))), 1);
    EXPECT_EQ(binToInt(QString(32, QLatin1Char('1'))), 0xFFFFFFFFLL);
}

TEST(intToBin, WritesFromTopBitDown) {
    EXPECT_EQ(intToBin(5, 7), QStringLiteral("00000101"));
    EXPECT_EQ(intToBin(0x80, 7), QStringLiteral("10000000"));
    EXPECT_EQ(intToBin(1, 0), QStringLiteral("1"));
    EXPECT_EQ(intToBin(5, -1), QString());
    // Bit 32 is bit 0.
    EXPECT_EQ(intToBin(1, 32).left(1), QStringLiteral("1"));
}

TEST(isBitSet, TakesTheBitNumberModulo32) {
    EXPECT_TRUE(isBitSet(0x80, 7));
    EXPECT_FALSE(isBitSet(0x80, 6));
    EXPECT_TRUE(isBitSet(1, 32));
    EXPECT_TRUE(isBitSet(0x80000000LL, 31));
}

} // namespace
