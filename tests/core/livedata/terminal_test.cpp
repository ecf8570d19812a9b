// The terminal's calculator and transcript: conversions at the edges of 32 bits, the key filters,
// text only pasting can bring, and the transcript's file.

#include "core/j1979/hex_conversions.h"
#include "core/livedata/number_calculator.h"
#include "core/livedata/terminal_transcript.h"
#include "tests/core/j1979/locale_guard.h"
#include "tests/support/test_environment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace calc = number_calculator;

namespace {

TEST(NumberCalculator, ConvertsEachRowUpToThirtyTwoBits) {
    calc::Converted c = calc::fromBinary("1010");
    EXPECT_EQ(c.first, "10");
    EXPECT_EQ(c.second, "0000000A");
    c = calc::fromBinary(QString(32, '1'));
    EXPECT_EQ(c.first, "4294967295");
    EXPECT_EQ(c.second, "FFFFFFFF");
    c = calc::fromBinary("");
    EXPECT_EQ(c.first, "0");
    EXPECT_EQ(c.second, "00000000");

    c = calc::fromInteger("9999999999");
    EXPECT_EQ(c.first, "2540BE3FF");
    EXPECT_EQ(c.second, "01010100000010111110001111111111");
    c = calc::fromInteger("");
    EXPECT_EQ(c.first, "0");
    EXPECT_EQ(c.second, "0");

    c = calc::fromHex("80000001");
    EXPECT_EQ(c.first, "2147483649");
    EXPECT_EQ(c.second, "1" + QString(30, '0') + "1");
    EXPECT_EQ(c.bits, 0x80000001U);
    c = calc::fromHex("");
    EXPECT_EQ(c.first, "0");
    EXPECT_EQ(c.second, "0");
    EXPECT_EQ(c.bits, 0U);
}

TEST(NumberCalculator, PastedTextThatIsNoNumberIsRefusedWithAMessage) {
    EXPECT_THROW(calc::fromInteger("12a"), calc::NumberConversionError);
    EXPECT_THROW(calc::fromInteger("99999999999999999999"), calc::NumberConversionError);
    try {
        calc::fromInteger("x1");
        FAIL();
    } catch (const calc::NumberConversionError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
    }
    EXPECT_THROW(calc::fromHex("G1"), HexConversionError);
    EXPECT_THROW(calc::fromHex(QString(17, 'F')), HexConversionError);
    // A pasted negative number shows its 64-bit pattern, never a minus in the hex field.
    EXPECT_EQ(calc::fromInteger("-1").first, "FFFFFFFFFFFFFFFF");
    // In pasted base-2 junk every character takes a place and only the ones count.
    EXPECT_EQ(calc::fromBinary("1x0 1").first, "17");
}

TEST(NumberCalculator, KeyFiltersAllowTheirDigitsUpToTheirLength) {
    using calc::Input;
    const QChar backspace(0x08);
    EXPECT_EQ(calc::filterKey(Input::Hex, "", 'c'), QChar('C'));
    EXPECT_EQ(calc::filterKey(Input::Hex, "", 'F'), QChar('F'));
    EXPECT_FALSE(calc::filterKey(Input::Hex, "", 'g'));
    EXPECT_FALSE(calc::filterKey(Input::Hex, "12345678", '9')); // a ninth digit
    EXPECT_EQ(calc::filterKey(Input::Hex, "12345678", backspace), backspace);
    EXPECT_EQ(calc::filterKey(Input::Binary, QString(31, '1'), '0'), QChar('0'));
    EXPECT_FALSE(calc::filterKey(Input::Binary, QString(32, '1'), '0'));
    EXPECT_FALSE(calc::filterKey(Input::Binary, "", '2'));
    EXPECT_EQ(calc::filterKey(Input::Integer, "123456789", '0'), QChar('0'));
    EXPECT_FALSE(calc::filterKey(Input::Integer, "1234567890", '1'));
    EXPECT_FALSE(calc::filterKey(Input::Integer, "", '-'));
    EXPECT_FALSE(calc::filterKey(Input::Integer, "", 'a'));
}

TEST(TerminalTranscript, EntryRequestAndProposedName) {
    EXPECT_EQ(terminal_transcript::request("01", "0C"), "010C");
    EXPECT_EQ(terminal_transcript::request("1", "5"), "15"); // typed texts are used as typed
    EXPECT_EQ(terminal_transcript::entry("01", "00", "41 00 BE 1F E8 11"),
              (QStringList{"Mode: 01 PID: 00", "41 00 BE 1F E8 11", ""}));
    // A typed command keeps the answer's lines as the interface sent them.
    EXPECT_EQ(terminal_transcript::typedEntry("010C", "7E8 04 41 0C 0C 4E\n7E9 04 41 0C 0C 40"),
              (QStringList{"Command: 010C", "7E8 04 41 0C 0C 4E", "7E9 04 41 0C 0C 40", ""}));
    // Every field, zero-padded, whatever the locale writes: the month was once left out.
    for (const QLocale& shown : {germanLocale(), englishLocale()}) {
        LocaleGuard locale(shown);
        EXPECT_EQ(
            terminal_transcript::proposedFileName(QDateTime(QDate(2026, 12, 9), QTime(21, 27, 1))),
            "TL20261209212701");
        EXPECT_EQ(
            terminal_transcript::proposedFileName(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5))),
            "TL20270102030405");
    }
}

TEST(TerminalTranscript, SavedWithCrLfAndReplacedWhole) {
    const QString dir = test_env::freshDir("transcript");
    const QString path = QDir(dir).filePath("TL1.txt");
    terminal_transcript::save(path, {"Mode: 01 PID: 0C", "41 0C 1A F8", ""});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Mode: 01 PID: 0C\r\n41 0C 1A F8\r\n\r\n"));
    file.close();
    terminal_transcript::save(path, {});
    EXPECT_EQ(QFileInfo(path).size(), 0);

    // A file that cannot be written is reported with its name, and nothing is left behind.
    const QString blocked = QDir(dir).filePath("no-such-dir/TL2.txt");
    try {
        terminal_transcript::save(blocked, {"x"});
        FAIL();
    } catch (const terminal_transcript::TranscriptError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("TL2.txt"));
    }
    EXPECT_FALSE(QFile::exists(blocked));
}

} // namespace
