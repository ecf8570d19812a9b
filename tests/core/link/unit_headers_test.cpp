// Answers printed with headers, as the chip prints them on each protocol, split by the control
// unit that sent them. Each unit's part must read exactly as the answer of a vehicle with that
// one unit, printed without headers, reads through the exchange's own cleaning.

#include "core/link/answer_text.h"
#include "core/link/can_answer.h"
#include "core/link/unit_headers.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct UnitPart {
    const char* unit;
    const char* aloneWithoutHeaders; // that unit's answer had it been the only one, no headers
};

struct SplitCase {
    const char* what;
    QByteArray raw;
    bool can;
    std::vector<UnitPart> parts;
};

QList<UnitAnswer> expectedParts(const SplitCase& c) {
    QList<UnitAnswer> parts;
    for (const UnitPart& part : c.parts) {
        const QByteArray alone = QByteArray(part.aloneWithoutHeaders) + "\r\r>";
        parts << UnitAnswer{QLatin1String(part.unit),
                            (c.can ? can_answer::fromSerial(alone) : answer_text::fromSerial(alone))
                                .value_or("no answer")};
    }
    return parts;
}

TEST(UnitHeaders, EachHeaderFormSplitsIntoTheAnswersOfOneUnitVehicles) {
    const SplitCase cases[] = {
        {"CAN 11 bit, in the order the units answered",
         "7E9 06 41 00 80 00 00 01\r7E8 06 41 00 BE 1F A8 13\r\r>",
         true,
         {{"7E9", "41 00 80 00 00 01"}, {"7E8", "41 00 BE 1F A8 13"}}},
        {"CAN 11 bit without blanks, lower case",
         "7e8064100be1fa813\r7e906410080000001\r\r>",
         true,
         {{"7E8", "41 00 BE 1F A8 13"}, {"7E9", "41 00 80 00 00 01"}}},
        {"CAN 29 bit after the search",
         "SEARCHING...\r18 DA F1 10 06 41 00 BE 1F A8 13\r18 DA F1 18 06 41 00 80 00 00 01\r\r>",
         true,
         {{"18DAF110", "41 00 BE 1F A8 13"}, {"18DAF118", "41 00 80 00 00 01"}}},
        {"CAN 29 bit without blanks",
         "18DAF110064100BE1FA813\r\r>",
         true,
         {{"18DAF110", "41 00 BE 1F A8 13"}}},
        {"CAN frames of two units interleaved, a bus error between them",
         "7E8 10 0A 43 04 01 33 01 34\r7E9 04 43 01 02 20\rCAN ERROR\r7E8 21 01 35 01 36 AA AA "
         "AA\r\r>",
         true,
         {{"7E8", "00A\r0: 43 04 01 33 01 34\r1: 01 35 01 36 AA AA AA"}, {"7E9", "43 01 02 20"}}},
        {"CAN vehicle information in frames",
         "7E8 10 14 49 02 01 31 44 34\r7E8 21 47 50 30 30 52 35 35\r7E8 22 42 31 32 33 34 35 "
         "36\r\r>",
         true,
         {{"7E8", "014\r0: 49 02 01 31 44 34\r1: 47 50 30 30 52 35 35\r2: 42 31 32 33 34 35 36"}}},
        {"ISO 9141-2, one unit's codes in two messages",
         "48 6B 10 43 01 33 01 34 01 35 A5\r48 6B 18 43 00 00 00 00 00 00 0E\r"
         "48 6B 10 43 02 00 00 00 00 00 08\r\r>",
         false,
         {{"10", "43 01 33 01 34 01 35\r43 02 00 00 00 00 00"}, {"18", "43 00 00 00 00 00 00"}}},
        {"ISO 9141-2 without blanks, lower case",
         "486b104100be1fb810a9\r\r>",
         false,
         {{"10", "41 00 BE 1F B8 10"}}},
        {"ISO 14230-4, length in the format byte",
         "BUS INIT: ...OK\r86 F1 10 41 00 BE 3F B8 13 90\r86 F1 18 41 00 80 00 00 01 51\r\r>",
         false,
         {{"10", "41 00 BE 3F B8 13"}, {"18", "41 00 80 00 00 01"}}},
        {"ISO 14230-4, length byte after the header, without blanks",
         "80F110074902010000003105\r80F1100749020244344750E4\r\r>",
         false,
         {{"10", "49 02 01 00 00 00 31\r49 02 02 44 34 47 50"}}},
        {"ISO 14230-4, a negative response",
         "83 F1 10 7F 01 12 16\r\r>",
         false,
         {{"10", "7F 01 12"}}},
        {"SAE J1850 PWM",
         "41 6B 10 41 00 BE 1F B8 10 32\r41 6B 28 41 00 80 00 00 00 AD\r\r>",
         false,
         {{"10", "41 00 BE 1F B8 10"}, {"28", "41 00 80 00 00 00"}}},
        {"SAE J1850 VPW",
         "48 6B 10 41 00 BE 1F B8 10 58\r\r>",
         false,
         {{"10", "41 00 BE 1F B8 10"}}},
    };
    for (const SplitCase& c : cases) {
        const unit_headers::Split split = unit_headers::split(c.raw, QString(), c.can);
        EXPECT_FALSE(split.headerless) << c.what;
        EXPECT_EQ(split.notes, QStringList()) << c.what;
        EXPECT_EQ(split.parts, expectedParts(c)) << c.what;
    }
}

// Nothing is made up: an answer that is not all headers is none, and an answer without any
// unit's message has no parts.
TEST(UnitHeaders, AnswersNotInHeaderFormAreToldFromAnswersWithoutUnits) {
    const struct {
        const char* what;
        QByteArray raw;
        bool can;
        bool headerless;
    } cases[] = {
        {"CAN answer without headers", "41 00 BE 1F A8 13\r\r>", true, true},
        {"CAN frames numbered by the chip", "014\r0: 49 02 01 31 44 34\r\r>", true, true},
        {"K-line answer without headers", "41 00 BE 1F B8 10\r\r>", false, true},
        {"one line without its header", "48 6B 10 41 00 BE 1F B8 10 A9\r41 00 80 00 00 00\r\r>",
         false, true},
        {"a refusal", "?\r\r>", false, true},
        {"header and check byte alone", "48 6B 10 A9\r\r>", false, true},
        {"format byte promising more than came", "86 F1 10 41 00 BE 3F\r\r>", false, true},
        {"length byte missing", "80 F1 10\r\r>", false, true},
        {"no unit answered", "SEARCHING...\rNO DATA\r\r>", false, false},
        {"no unit answered on CAN", "NO DATA\r\r>", true, false},
        {"no prompt", "48 6B 10 41 00 BE 1F B8 10 A9", false, false},
    };
    for (const auto& c : cases) {
        const unit_headers::Split split = unit_headers::split(c.raw, QString(), c.can);
        EXPECT_EQ(split.headerless, c.headerless) << c.what;
        EXPECT_TRUE(split.parts.isEmpty()) << c.what;
    }
}

// The chip has checked what it prints: what looks odd is noted for the log, and kept.
TEST(UnitHeaders, WhatIsNotedIsKept) {
    const unit_headers::Split badCheck =
        unit_headers::split("48 6B 10 41 00 BE 1F B8 10 AA\r\r>", QString(), false);
    EXPECT_EQ(badCheck.parts, (QList<UnitAnswer>{{"10", "4100BE1FB810"}}));
    EXPECT_EQ(badCheck.notes.size(), 1);

    // Both messages stay with the identifier; the consecutive frame ends the later one.
    const unit_headers::Split shared =
        unit_headers::split("7E8 10 0A 43 04 01 33 01 34\r7E8 10 08 43 03 01 11 01 12\r7E8 21 01 "
                            "13 AA AA AA AA AA\r\r>",
                            QString(), true);
    EXPECT_EQ(shared.parts, (QList<UnitAnswer>{{"7E8", "DATA ERROR 43 01 11 01 12 01 13"}}));
    ASSERT_EQ(shared.notes.size(), 1);
    EXPECT_TRUE(shared.notes.at(0).contains("7E8"));
}

} // namespace
