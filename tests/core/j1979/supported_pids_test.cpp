#include "core/j1979/hex_conversions.h"
#include "core/j1979/service02.h"
#include "core/j1979/supported_pids.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> supportedNumbers(const SupportedPidSet& set) {
    std::vector<int> numbers;
    for (size_t i = 0; i < set.size(); ++i) {
        if (set[i]) {
            numbers.push_back(int(i) + 1);
        }
    }
    return numbers;
}

TEST(readSupportedPids, ReadsTheFirstBlockAndFollowsTheAnnouncement) {
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("4100BE1FE811"));
    const SupportedPidSet set = readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00"));
    const std::vector<int> expected = {0x01, 0x03, 0x04, 0x05, 0x06, 0x07, 0x0C, 0x0D, 0x0E,
                                       0x0F, 0x10, 0x11, 0x12, 0x13, 0x15, 0x1C, 0x20};
    EXPECT_EQ(supportedNumbers(set), expected);
    EXPECT_EQ(link.sent(), QStringList({"0100", "0120"}));
}

TEST(readSupportedPids, NoAnswerLeavesEverythingUnsupported) {
    const LinkAnswer replies[] = {"NO DATA", "7F 01 12", std::nullopt, "", "4101BE1FE811"};
    for (const LinkAnswer& reply : replies) {
        SCOPED_TRACE(testing::PrintToString(reply));
        ScriptedLink link;
        link.answer(QStringLiteral("0100"), reply);
        EXPECT_TRUE(supportedNumbers(readSupportedPids(link, QStringLiteral("01"), {})).empty());
        EXPECT_EQ(link.sent(), QStringList({"0100"}));
    }
}

// Each block is asked for only when the one before announced it; an announced block that does not
// come, and the last block C0, end the walk with what came.
TEST(readSupportedPids, WalkFollowsTheAnnouncementsUpToC0) {
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("410000000001"));
    link.answer(QStringLiteral("0120"), QStringLiteral("412080000001"));
    link.answer(QStringLiteral("0140"), QStringLiteral("4140FFFFFFFF"));
    link.answer(QStringLiteral("0160"), QStringLiteral("NO DATA"));
    const SupportedPidSet set = readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00"));
    std::vector<int> expected = {0x20, 0x21, 0x40};
    for (int pid = 0x41; pid <= 0x60; ++pid) {
        expected.push_back(pid);
    }
    EXPECT_EQ(supportedNumbers(set), expected);
    EXPECT_EQ(link.sent(), QStringList({"0100", "0120", "0140", "0160"}));

    ScriptedLink all;
    for (const char* block : {"00", "20", "40", "60", "80", "A0", "C0"}) {
        all.answer(QStringLiteral("01") + QLatin1String(block),
                   QStringLiteral("41") + QLatin1String(block) + QStringLiteral("FFFFFFFF"));
    }
    const SupportedPidSet full = readSupportedPids(all, QStringLiteral("01"), QStringLiteral("00"));
    EXPECT_EQ(supportedNumbers(full).size(), std::size_t(0xE0));
    EXPECT_EQ(all.sent().size(), 7); // C0's last bit would announce E0, which no table holds
}

TEST(readSupportedPids, ServiceNineSkipsTheMessageCount) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), QStringLiteral("490001FC000000"));
    const SupportedPidSet set = readSupportedPids(link, QStringLiteral("09"), QStringLiteral("00"));
    EXPECT_EQ(supportedNumbers(set), std::vector<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(link.sent(), QStringList({"0900"}));
}

TEST(readSupportedPids, ServiceTwoAsksForFrameAndSkipsIt) {
    ScriptedLink link;
    link.answer(QStringLiteral("020000"), QStringLiteral("4200007E180000"));
    Service02 service02;
    EXPECT_TRUE(service02.readSupported(link));
    EXPECT_EQ(supportedNumbers(service02.supportedPids()),
              std::vector<int>({2, 3, 4, 5, 6, 7, 0x0C, 0x0D}));
    EXPECT_EQ(link.sent(), QStringList({"020000"}));
}

TEST(readSupportedPids, OnlyTheFirstControlUnitCounts) {
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("4100BE1FE811410080000001"));
    const SupportedPidSet set = readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00"));
    EXPECT_TRUE(set[0x01 - 1]);
    EXPECT_FALSE(set[0x1F - 1]); // the second unit's last bit is not taken
    EXPECT_TRUE(set[0x20 - 1]);
}

TEST(readSupportedPids, ShortAnswersReadMissingBytesAsZero) {
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("4100FF"));
    const SupportedPidSet set = readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00"));
    EXPECT_EQ(supportedNumbers(set), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(link.sent(), QStringList({"0100"}));
}

TEST(readSupportedPids, LongTextsAreCutAndFrameOnlyGoesToServicesTwoAndFive) {
    ScriptedLink link;
    readSupportedPids(link, QStringLiteral("0105"), QStringLiteral("00"));
    readSupportedPids(link, QStringLiteral("05"), QStringLiteral("0107"));
    readSupportedPids(link, QStringLiteral("09"), QStringLiteral("00"));
    EXPECT_EQ(link.sent(), QStringList({"0100", "050001", "0900"}));
}

TEST(readSupportedPids, NonHexadecimalBitmapRaisesTheConversionError) {
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("4100BG1FE811"));
    EXPECT_THROW(readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00")),
                 HexConversionError);
}

TEST(isSupported, LooksUpTheEntryBelowThePidNumber) {
    SupportedPidSet set{};
    set[0] = true;
    set[0x0C - 1] = true;
    set[0xDF] = true;
    EXPECT_TRUE(isSupported(set, QStringLiteral("01")));
    EXPECT_TRUE(isSupported(set, QStringLiteral("C")));
    EXPECT_TRUE(isSupported(set, QStringLiteral("E0")));
    EXPECT_FALSE(isSupported(set, QStringLiteral("02")));
    EXPECT_FALSE(isSupported(set, QStringLiteral("00")));
    EXPECT_FALSE(isSupported(set, QStringLiteral("51")));
    EXPECT_FALSE(isSupported(set, QStringLiteral("E1")));
}

TEST(checkEcuConnection, TriesThreeTimes) {
    ScriptedLink second;
    second.answerInTurn(QStringLiteral("0100"), {"NO DATA", "4100BE1FE811"});
    EXPECT_TRUE(checkEcuConnection(second));
    EXPECT_EQ(second.sent().size(), 2);

    ScriptedLink silent;
    silent.answer(QStringLiteral("0100"), std::nullopt);
    EXPECT_FALSE(checkEcuConnection(silent));
    EXPECT_EQ(silent.sent(), QStringList({"0100", "0100", "0100"}));

    // "41" anywhere counts, as the check has always done.
    ScriptedLink echo;
    echo.answer(QStringLiteral("0100"), QStringLiteral("0100 41 00 BE 1F E8 11"));
    EXPECT_TRUE(checkEcuConnection(echo));
}

} // namespace
