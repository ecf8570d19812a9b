// The request and answer rules of the service 01 value decoder, apart from the per-PID formulas
// (pid_table_test.cpp).

#include "core/j1979/hex_conversions.h"
#include "core/j1979/service01.h"
#include "core/l10n/const_str.h"
#include "locale_guard.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

namespace {

class PidValue : public testing::Test {
protected:
    std::optional<QString> value(const QString& pid, const LinkAnswer& reply,
                                 bool english = false) {
        m_link.answer(QStringLiteral("01") + pid, reply);
        return m_service01.pidValue(m_link, QStringLiteral("01"), pid, english);
    }

    LocaleGuard m_locale{englishLocale()};
    ScriptedLink m_link;
    Service01 m_service01;
};

TEST_F(PidValue, OtherServicesAndPidZeroSendNothing) {
    EXPECT_EQ(m_service01.pidValue(m_link, "02", "05", false), std::nullopt);
    EXPECT_EQ(m_service01.pidValue(m_link, "00", "05", false), std::nullopt);
    EXPECT_EQ(m_service01.pidValue(m_link, "01", "00", false), const_str::NotAvailable);
    EXPECT_EQ(m_service01.pidValue(m_link, "01", "", false), const_str::NotAvailable);
    EXPECT_TRUE(m_link.sent().isEmpty());
}

TEST_F(PidValue, BlockAnnouncementsAreNeverAskedFor) {
    EXPECT_EQ(value("20", "412080000001"), std::nullopt);
    EXPECT_EQ(value("40", "414080000001"), std::nullopt);
    EXPECT_TRUE(m_link.sent().isEmpty());
}

TEST_F(PidValue, LiveSensorsThatUsedToGiveTheSentinelAreAskedFor) {
    EXPECT_EQ(value("3C", "413C1194"), QStringLiteral("410.0"));
    EXPECT_EQ(value("1E", "411E00"), QStringLiteral("off"));
    EXPECT_EQ(value("4D", "414D0000"), QStringLiteral("0"));
    EXPECT_EQ(m_link.sent(), QStringList({"013C", "011E", "014D"}));
}

TEST_F(PidValue, AnswersWithoutTheResponseGiveTheSentinel) {
    const LinkAnswer replies[] = {"NO DATA", "7F 01 12", std::nullopt, "",
                                  "DEMO",    "410D64",   "4105"};
    for (const LinkAnswer& reply : replies) {
        SCOPED_TRACE(testing::PrintToString(reply));
        EXPECT_EQ(value("0C", reply), std::nullopt);
    }
}

TEST_F(PidValue, DataAreReadFromTheStartOfTheAnswer) {
    // A first control unit answering another PID: the header is found further on, but the bytes
    // come from positions 5 and 6 all the same.
    EXPECT_EQ(value("05", "410D64410550"), QStringLiteral("60"));
}

TEST_F(PidValue, MissingDataBytesGiveTheSentinelNeverANumber) {
    // A bare header, a byte short, half a byte short: what came is not the value.
    EXPECT_EQ(value("0C", "410C"), std::nullopt);
    EXPECT_EQ(value("0C", "410C11"), std::nullopt);
    EXPECT_EQ(value("0C", "410C118"), std::nullopt);
    EXPECT_EQ(value("1F", "411F"), std::nullopt);
    EXPECT_EQ(value("01", "41010076"), std::nullopt);
    EXPECT_EQ(value("0C", "410C1AF8"), QStringLiteral(" 1726"));
    EXPECT_FALSE(value("05", "4105").has_value());
    EXPECT_TRUE(value("05", "41057B").has_value());
}

TEST_F(PidValue, NonHexadecimalDataRaiseTheConversionError) {
    EXPECT_THROW(value("05", "4105ZZ"), HexConversionError);
    // Bytes the PID does not use are not read.
    EXPECT_EQ(value("05", "41057BNODATA"), QStringLiteral("83"));
    EXPECT_THROW(m_service01.pidValue(m_link, "0G", "05", false), HexConversionError);
}

TEST_F(PidValue, LongerArgumentsAreCutToTwoCharacters) {
    m_link.answer(QStringLiteral("010C"), QStringLiteral("410C118C"));
    EXPECT_EQ(m_service01.pidValue(m_link, "0199", "0C12", false), QStringLiteral(" 1123"));
    EXPECT_EQ(m_link.sent(), QStringList({"010C"}));
}

TEST_F(PidValue, WritesNumbersWithTheDecimalSeparatorOfTheLocale) {
    EXPECT_EQ(value("06", "410690"), QStringLiteral("12.5"));
    LocaleGuard german(germanLocale());
    EXPECT_EQ(value("06", "410690"), QStringLiteral("12,5"));
    EXPECT_EQ(value("24", "412480004000"), QStringLiteral("1,999 V, ratio: 0,999"));
    EXPECT_EQ(value("0C", "410C118C"), QStringLiteral(" 1123"));
}

TEST_F(PidValue, TemperaturesAndSpeed) {
    EXPECT_EQ(value("05", "410500"), QStringLiteral("-40"));
    EXPECT_EQ(value("05", "410500", true), QStringLiteral("-40"));
    EXPECT_EQ(value("0D", "410D64", true), QStringLiteral(" 62"));
    EXPECT_EQ(value("3D", "413DFFFF"), QStringLiteral("6513.5"));
}

TEST_F(PidValue, HalvesRoundAwayFromZero) {
    EXPECT_EQ(value("0C", "410C000A"), QStringLiteral("    3")); // 2.5 rpm
    EXPECT_EQ(value("0C", "410C0006"), QStringLiteral("    2")); // 1.5 rpm
}

TEST_F(PidValue, RunTimeAsHoursMinutesSeconds) {
    EXPECT_EQ(value("1F", "411F0000"), QStringLiteral("00:00:00"));
    EXPECT_EQ(value("1F", "411FFFFF"), QStringLiteral("18:12:15"));
}

TEST_F(PidValue, StateTexts) {
    EXPECT_EQ(value("1C", "411C01"), QStringLiteral("OBD II (California ARB)"));
    EXPECT_EQ(value("1C", "411C0D"), QStringLiteral("JOBD, EOBD, and OBD II"));
    EXPECT_EQ(value("1C", "411C00"), const_str::NotAvailable);
    EXPECT_EQ(value("1C", "411C0E"), const_str::NotAvailable);
    EXPECT_EQ(value("1D", "411D00"), std::nullopt);
    EXPECT_EQ(value("1D", "411D80"), QStringLiteral("O2 location 2-4"));
    EXPECT_EQ(value("13", "411300"), const_str::NotAvailable);
    EXPECT_EQ(value("03", "410301"), QStringLiteral("open loop"));
    EXPECT_EQ(value("03", "410310"), QStringLiteral("closed loop fault"));
    EXPECT_EQ(value("03", "410300"), QStringLiteral("reserved"));
    EXPECT_EQ(value("03", "410303"), QStringLiteral("reserved"));
    EXPECT_EQ(value("12", "411201"), QStringLiteral("air upstream cat"));
    EXPECT_EQ(value("12", "411202"), QStringLiteral("air downstream cat"));
    EXPECT_EQ(value("12", "411208"), QStringLiteral("air reserved"));
    EXPECT_EQ(value("01", "410100760000"), QStringLiteral("MIL off, DTCs: 0"));
}

TEST_F(PidValue, SignedAndBoundaryScalings) {
    EXPECT_EQ(value("2D", "412D80"), QStringLiteral("0.0"));
    EXPECT_EQ(value("24", "412480000000"), QStringLiteral("0.000 V, ratio: 0.999"));
    EXPECT_EQ(value("34", "413400008000"), QStringLiteral("0.000 - 0.000"));
    // Evaporative system pressure is signed: FFFC is a slight vacuum.
    EXPECT_EQ(value("32", "4132FFFC"), QStringLiteral("-1.00"));
    EXPECT_EQ(value("32", "41328000"), QStringLiteral("-8192.00"));
    EXPECT_EQ(value("32", "41327FFF"), QStringLiteral("8191.75"));
    EXPECT_EQ(value("32", "4132FFFC", true), QStringLiteral("-0.004"));
}

// Above 4E: the first value's text with the decimals of its resolution, "N/A" for a value byte A
// says the car does not have, nothing for one whose bytes did not come, and the digits as they
// stand for a PID without a definition.
TEST_F(PidValue, PidsAbove4EShowTheirFirstValue) {
    EXPECT_EQ(value("51", "415101"), QStringLiteral("Gasoline"));
    EXPECT_EQ(value("52", "415233"), QStringLiteral("20.0"));
    EXPECT_EQ(value("5C", "415C82"), QStringLiteral("90"));
    EXPECT_EQ(value("5C", "415C82", true), QStringLiteral("194"));
    EXPECT_EQ(value("5E", "415E00C8"), QStringLiteral("10.00"));
    EXPECT_EQ(value("5E", "415E00C8", true), QStringLiteral("2.64"));
    EXPECT_EQ(value("A6", "41A6000F4240"), QStringLiteral("100000.0"));
    EXPECT_EQ(value("67", "4167025A64"), QStringLiteral("N/A"));
    EXPECT_EQ(value("67", "416701"), std::nullopt);
    EXPECT_EQ(value("95", "41951234"), QStringLiteral("1234"));
}

} // namespace
