#include "core/j1979/service02.h"
#include "core/j1979/trouble_code_text.h"
#include "core/j1979/trouble_codes.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "scripted_link.h"
#include "tests/support/recording_notifier.h"

#include <gtest/gtest.h>

namespace {

TroubleCodeList storedCodes(const LinkAnswer& reply) {
    ScriptedLink link;
    link.answer(QStringLiteral("03"), reply);
    return Service03().storedCodes(link);
}

TroubleCodeList pendingCodes(const LinkAnswer& reply) {
    ScriptedLink link;
    link.answer(QStringLiteral("07"), reply);
    return Service07().pendingCodes(link);
}

TEST(TroubleCodeText, PrefixFromTheFirstDigit) {
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("0125")), QStringLiteral("P0125"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("3FFF")), QStringLiteral("P3FFF"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("4123")), QStringLiteral("C0123"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("7123")), QStringLiteral("C3123"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("9491")), QStringLiteral("B1491"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("C100")), QStringLiteral("U0100"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("D100")), QStringLiteral("U1100"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("E100")), QStringLiteral("U2100"));
    EXPECT_EQ(decodeTroubleCode(QStringLiteral("F100")), QStringLiteral("U3100"));
    for (const char* invalid : {"c100", "G100", " 100", "-100", "012"}) {
        SCOPED_TRACE(invalid);
        EXPECT_FALSE(decodeTroubleCode(QString::fromLatin1(invalid)).has_value());
    }
}

TEST(StoredCodes, ThreeFramesInAnswerOrder) {
    EXPECT_EQ(storedCodes(QStringLiteral("430125073604554311071299119843949199"
                                         "92A427")),
              QStringList({"P0125", "P0736", "P0455", "P1107", "P1299", "P1198", "B1491", "B1992",
                           "B2427"}));
}

TEST(StoredCodes, FillerAndWholeFramesOnly) {
    EXPECT_EQ(storedCodes(QStringLiteral("43013300000000")), QStringList({"P0133"}));
    EXPECT_EQ(storedCodes(QStringLiteral("43000000000000")), QStringList());
    // The same code twice is listed twice.
    EXPECT_EQ(storedCodes(QStringLiteral("43013301330000")), QStringList({"P0133", "P0133"}));
}

// A cut or garbled answer is not read at all: a shorter list would hide the codes that did not
// arrive, a garbled digit would invent a code.
TEST(StoredCodes, CutOrGarbledAnswersAreNotRead) {
    for (const char* reply : {"43", "43ZZ", "4301330171", "4301330222", "43013302220000430444",
                              "4301330171000!", "430G3301710000", "43c100XYZW0455",
                              "43013300000000"
                              "47013300000000",
                              "430133000000004"}) {
        SCOPED_TRACE(reply);
        EXPECT_FALSE(storedCodes(QString::fromLatin1(reply)).has_value());
    }
}

// A silent vehicle, a bus error or a refusal is no answer at all and must never read as a
// vehicle without codes.
TEST(StoredCodes, OtherAnswersAreNotRead) {
    const LinkAnswer stored[] = {"NO DATA",        "7F 03 12", std::nullopt,        "",
                                 "47012507360455", "4",        "UNABLE TO CONNECT", "CAN ERROR"};
    for (const LinkAnswer& reply : stored) {
        SCOPED_TRACE(testing::PrintToString(reply));
        EXPECT_FALSE(storedCodes(reply).has_value());
    }
    const LinkAnswer pending[] = {"NO DATA", "7F 07 12", std::nullopt, "BUS BUSY"};
    for (const LinkAnswer& reply : pending) {
        SCOPED_TRACE(testing::PrintToString(reply));
        EXPECT_FALSE(pendingCodes(reply).has_value());
    }
    EXPECT_EQ(pendingCodes(QStringLiteral("47000000000000")), QStringList());
}

TEST(PendingCodes, CodesStandBackToBack) {
    EXPECT_EQ(pendingCodes(QStringLiteral("47012507360455")),
              QStringList({"P0125", "P0736", "P0455"}));
    EXPECT_EQ(pendingCodes(QStringLiteral("47012500000000"
                                          "47C10000000000")),
              QStringList({"P0125", "U0100"}));
    EXPECT_FALSE(pendingCodes(QStringLiteral("43012507360455")).has_value());
    EXPECT_FALSE(pendingCodes(QStringLiteral("47012507360")).has_value());
}

TEST(clearTroubleCodes, ConfirmedByFortyFour) {
    ScriptedLink link;
    link.answer(QStringLiteral("04"), QStringLiteral("44"));
    RecordingNotifier notifier;
    EXPECT_TRUE(clearTroubleCodes(link, notifier));
    EXPECT_EQ(link.sent(), QStringList({"04"}));
    EXPECT_EQ(notifier.texts(), QStringList({"Trouble codes cleared successfully"}));
    EXPECT_EQ(notifier.icons().front(), UserNotifier::Icon::Information);
}

TEST(clearTroubleCodes, AnythingElseIsReportedAsFailure) {
    const LinkAnswer replies[] = {"NO DATA", "7F 04 22", std::nullopt, "DEMO"};
    for (const LinkAnswer& reply : replies) {
        SCOPED_TRACE(testing::PrintToString(reply));
        ScriptedLink link;
        link.answer(QStringLiteral("04"), reply);
        RecordingNotifier notifier;
        EXPECT_FALSE(clearTroubleCodes(link, notifier));
        EXPECT_EQ(notifier.texts(), QStringList({"Trouble codes could not be cleared!"}));
        EXPECT_EQ(notifier.icons().front(), UserNotifier::Icon::Error);
    }
}

TEST(FreezeFrameCode, CodeOfFrameZero) {
    ScriptedLink link;
    link.answer(QStringLiteral("020200"), QStringLiteral("4202000133"));
    EXPECT_EQ(Service02().freezeFrameCode(link), QStringList({"P0133"}));
    EXPECT_EQ(link.sent(), QStringList({"020200"}));

    // The code 0000: the unit answered that no frame is stored.
    ScriptedLink none;
    none.answer(QStringLiteral("020200"), QStringLiteral("4202000000"));
    EXPECT_EQ(Service02().freezeFrameCode(none), QStringList());

    // No answer, the simulated vehicle's "no canned answer", or a header cut short: not read.
    for (const char* reply : {"NO DATA", "DEMO", "420200", "4202", "4202004", "7F 02 12"}) {
        SCOPED_TRACE(reply);
        ScriptedLink other;
        other.answer(QStringLiteral("020200"), QString::fromLatin1(reply));
        EXPECT_FALSE(Service02().freezeFrameCode(other).has_value());
    }
}

} // namespace
