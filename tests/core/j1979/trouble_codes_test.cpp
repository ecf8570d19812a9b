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

UnitAnswer part(const char* unit, const char* answer) {
    return {QString::fromLatin1(unit), QString::fromLatin1(answer)};
}

UnitCode unitCode(const char* code, const char* unit) {
    return {QString::fromLatin1(code), QString::fromLatin1(unit)};
}

// Stored and pending codes read the same way, each unit's part by the rules of a whole answer.
TEST(CodesByUnit, EachCodeKeepsItsUnit) {
    struct Case {
        const char* name;
        UnitAnswers parts;
        UnitCodeList expected;
    };
    const Case cases[] = {
        {"two units",
         QList<UnitAnswer>{part("7E8", "43013301710000"), part("7E9", "43070000000000")},
         QList<UnitCode>{unitCode("P0133", "7E8"), unitCode("P0171", "7E8"),
                         unitCode("P0700", "7E9")}},
        {"the same code from two units is listed for each",
         QList<UnitAnswer>{part("7E8", "43013300000000"), part("7E9", "43013300000000")},
         QList<UnitCode>{unitCode("P0133", "7E8"), unitCode("P0133", "7E9")}},
        {"a unit without codes",
         QList<UnitAnswer>{part("7E8", "43000000000000"), part("7E9", "43070000000000")},
         QList<UnitCode>{unitCode("P0700", "7E9")}},
        {"units not told apart", QList<UnitAnswer>{part("", "4301330000000043070000000000")},
         QList<UnitCode>{unitCode("P0133", ""), unitCode("P0700", "")}},
        // One garbled part would leave that unit's codes out of a list that looks whole.
        {"one unit garbled",
         QList<UnitAnswer>{part("7E8", "43013300000000"), part("7E9", "4307000000")}, std::nullopt},
        {"one unit refusing",
         QList<UnitAnswer>{part("7E8", "43013300000000"), part("7E9", "7F 03 12")}, std::nullopt},
        {"no part", QList<UnitAnswer>{}, std::nullopt},
        {"no answer", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLink link;
        link.answerPerUnit(QStringLiteral("03"), c.parts);
        EXPECT_EQ(Service03().storedCodesByUnit(link), c.expected);
        EXPECT_EQ(Service03().storedCodes(link), plainCodes(c.expected));
        // The pending codes' frames begin with 47; the stored codes' 43 are not theirs.
        UnitAnswers pendingParts = c.parts;
        if (pendingParts)
            for (UnitAnswer& p : *pendingParts)
                p.answer.replace(QLatin1String("43"), QLatin1String("47"));
        link.answerPerUnit(QStringLiteral("07"), pendingParts);
        EXPECT_EQ(Service07().pendingCodesByUnit(link), c.expected);
    }
}

TEST(PermanentCodes, NoneNotReadAndNotSupportedAreTold) {
    using State = PermanentCodes::State;
    struct Case {
        const char* name;
        UnitAnswers parts;
        State state;
        QList<UnitCode> codes;
    };
    const Case cases[] = {
        {"codes of two units",
         QList<UnitAnswer>{part("7E8", "4A013300000000"), part("7E9", "4A013307000000")},
         State::Read,
         {unitCode("P0133", "7E8"), unitCode("P0133", "7E9"), unitCode("P0700", "7E9")}},
        {"none", QList<UnitAnswer>{part("7E8", "4A000000000000")}, State::Read, {}},
        {"units not told apart",
         QList<UnitAnswer>{part("", "4A044200000000")},
         State::Read,
         {unitCode("P0442", "")}},
        // An older unit beside one that knows the service adds nothing, and takes nothing away.
        {"one unit refusing",
         QList<UnitAnswer>{part("7E8", "4A044200000000"), part("7E9", "7F 0A 11")},
         State::Read,
         {unitCode("P0442", "7E8")}},
        {"refused by every unit",
         QList<UnitAnswer>{part("7E8", "7F 0A 11"), part("7E9", "7F0A12")},
         State::NotSupported,
         {}},
        {"no data", QList<UnitAnswer>{part("", "NO DATA")}, State::NotSupported, {}},
        {"no answer", std::nullopt, State::NotRead, {}},
        {"no part", QList<UnitAnswer>{}, State::NotRead, {}},
        {"one unit garbled",
         QList<UnitAnswer>{part("7E8", "4A044200000000"), part("7E9", "4A04420000")},
         State::NotRead,
         {}},
        {"the stored codes' frames",
         QList<UnitAnswer>{part("7E8", "43044200000000")},
         State::NotRead,
         {}},
        {"another service's refusal",
         QList<UnitAnswer>{part("7E8", "7F 03 11")},
         State::NotRead,
         {}},
        {"a bus error", QList<UnitAnswer>{part("", "CAN ERROR")}, State::NotRead, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLink link;
        link.answerPerUnit(QStringLiteral("0A"), c.parts);
        EXPECT_EQ(Service0A().permanentCodes(link), (PermanentCodes{c.state, c.codes}));
        EXPECT_EQ(link.sent(), QStringList({"0A"}));
    }
}

TEST(clearTroubleCodes, ConfirmedByFortyFour) {
    ScriptedLink link;
    link.answer(QStringLiteral("04"), QStringLiteral("44"));
    RecordingNotifier notifier;
    EXPECT_TRUE(clearTroubleCodes(link, notifier));
    EXPECT_EQ(link.sent(), QStringList({"04"}));
    EXPECT_EQ(notifier.texts(),
              QStringList({"Trouble codes cleared successfully. Permanent trouble "
                           "codes stay until the monitors that set them have "
                           "run and passed."}));
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
