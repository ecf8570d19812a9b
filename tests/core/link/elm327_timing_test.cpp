// The emulated ELM327's answer count and its timing: which answers the count lets through, when
// the chip's model puts the prompt, and, on a pseudo-terminal and only to the order of
// magnitude, that a counted request returns long before the time-out an uncounted one waits out.

#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "tools/elmsim/chip_timing.h"
#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/elm_emulator.h"
#include "tools/elmsim/pty_elm.h"
#include "tools/elmsim/vehicle_profile.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct Chip {
    std::unique_ptr<VehicleProfile> vehicle = makeVehicleProfile(QStringLiteral("demo"));
    Elm327Emulator chip;

    explicit Chip(bool twoUnits, bool realtime = false)
        : chip(*vehicle, ElmEmulator::Options{}, settings(twoUnits, realtime)) {
        say("ATE0");
        say("0100"); // the protocol search
    }
    static Elm327Emulator::Settings settings(bool twoUnits, bool realtime) {
        Elm327Emulator::Settings s;
        s.secondUnit = twoUnits;
        s.timing.realtime = realtime;
        return s;
    }
    std::vector<ElmEmulator::Output> pieces(const char* command) {
        return chip.feed(QByteArray(command) + '\r');
    }
    QByteArray say(const char* command) {
        QByteArray out;
        for (const ElmEmulator::Output& piece : pieces(command))
            out += piece.bytes;
        return out;
    }
};

TEST(Elm327AnswerCount, TheChipPrintsNoMoreAnswersThanExpected) {
    Chip two(true);
    const QByteArray both = "41 00 BE 1F E8 11\r41 00 98 18 00 00\r\r>";
    EXPECT_EQ(two.say("0100"), both);
    EXPECT_EQ(two.say("01001"), "41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(two.say("01002"), both);
    EXPECT_EQ(two.say("0100F"), both); // more expected than there are: all, after the wait
    EXPECT_EQ(two.say("0100 1"), "41 00 BE 1F E8 11\r\r>");
    // The transmission reports engine speed as its bitmap says, with the engine's value.
    const QList<QByteArray> speed = two.say("010C2").split('\r');
    ASSERT_EQ(speed.size(), 4);
    EXPECT_TRUE(speed[0].startsWith("41 0C "));
    EXPECT_EQ(speed[0], speed[1]);
    EXPECT_EQ(two.say("01112"), "41 11 00\r\r>"); // throttle: the engine alone
    EXPECT_EQ(two.say("0142 1"), "NO DATA\r\r>");
    // Stored codes: the engine's long message alone, or the transmission's code beside it.
    EXPECT_FALSE(two.say("031").contains("43 01 07 00"));
    EXPECT_TRUE(two.say("03 2").contains("43 01 07 00"));
    for (const char* wrong : {"01000", "010", "0100G"})
        EXPECT_EQ(two.say(wrong), "?\r\r>") << wrong;

    Chip one(false);
    EXPECT_EQ(one.say("01052"), "41 05 50\r\r>");
}

TEST(Elm327AnswerCount, EmptyLineRepeatsTheLastCommandOnlyOnAnElm327) {
    Chip elm(false);
    EXPECT_EQ(elm.say("01051"), "41 05 50\r\r>");
    EXPECT_EQ(elm.say(""), "41 05 50\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A6\r\r>");
    EXPECT_EQ(elm.say(""), "A6\r\r>");

    auto vehicle = makeVehicleProfile(QStringLiteral("demo"));
    ElmEmulator elm323(*vehicle, ElmEmulator::Options{});
    elm323.feed("ATE0\r0105\r");
    QByteArray out;
    for (const ElmEmulator::Output& piece : elm323.feed("\r"))
        out += piece.bytes;
    EXPECT_EQ(out, ">");
}

TEST(ChipTiming, TimeoutAndAdaptiveTiming) {
    ChipTiming timing({true, 10});
    EXPECT_EQ(timing.waitMs(), 200);
    EXPECT_TRUE(timing.setTimeout("19"));
    EXPECT_EQ(timing.waitMs(), 100);
    EXPECT_TRUE(timing.setTimeout("00")); // the default again, not nothing
    EXPECT_EQ(timing.waitMs(), 200);
    for (const char* wrong : {"1", "123", "XY", ""})
        EXPECT_FALSE(timing.setTimeout(wrong)) << wrong;
    for (const char* wrong : {"3", "", "01", "A"})
        EXPECT_FALSE(timing.setAdaptive(wrong)) << wrong;

    // AT1: the time-out until a few answers have been measured, then a multiple of them.
    for (int i = 1; i < ChipTiming::kAnswersToAdapt; ++i)
        timing.answered();
    EXPECT_EQ(timing.waitMs(), 200);
    timing.answered();
    const int adaptive1 = timing.waitMs();
    EXPECT_LT(adaptive1, 200);
    EXPECT_GT(adaptive1, 10);
    ASSERT_TRUE(timing.setAdaptive("2"));
    EXPECT_LT(timing.waitMs(), adaptive1);
    EXPECT_GT(timing.waitMs(), 10);
    // AT ST stays the upper bound; AT0 uses it as it stands.
    ASSERT_TRUE(timing.setTimeout("03"));
    EXPECT_EQ(timing.waitMs(), 12);
    ASSERT_TRUE(timing.setAdaptive("0"));
    ASSERT_TRUE(timing.setTimeout("02"));
    EXPECT_FALSE(timing.answerInTime()); // 8 ms: the units answer too late
    timing.reset();
    EXPECT_EQ(timing.waitMs(), 200);
    EXPECT_TRUE(timing.answerInTime());
}

// The silence the chip puts before its prompt, in the model (no clock involved).
int promptPause(Chip& chip, const char* command) {
    const std::vector<ElmEmulator::Output> pieces = chip.pieces(command);
    return pieces.empty() ? -1 : pieces.back().pauseMs;
}

TEST(ChipTiming, PromptFollowsTheLastExpectedAnswerAtOnceElseAfterTheWait) {
    Chip two(true, true);
    EXPECT_EQ(two.say("ATAT0"), "OK\r\r>");
    const std::vector<ElmEmulator::Output> pieces = two.pieces("010C");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_TRUE(pieces[0].fromVehicle);
    EXPECT_EQ(pieces[0].pauseMs, 10); // the units' answer time
    EXPECT_EQ(pieces[1].bytes, "\r>");
    EXPECT_EQ(pieces[1].pauseMs, 200);
    EXPECT_EQ(promptPause(two, "010C1"), 0);
    EXPECT_EQ(promptPause(two, "010C2"), 0);
    EXPECT_EQ(promptPause(two, "010C3"), 200);
    EXPECT_EQ(promptPause(two, "01112"), 200); // the transmission stays silent
    EXPECT_EQ(promptPause(two, "0142"), 200);  // nobody answers: NO DATA after the wait
    EXPECT_EQ(two.say("ATST19"), "OK\r\r>");
    EXPECT_EQ(promptPause(two, "010C"), 100);
    EXPECT_EQ(promptPause(two, "ATI"), 0);
    // Too short a time-out hears nothing.
    EXPECT_EQ(two.say("ATST01"), "OK\r\r>");
    EXPECT_EQ(two.say("010C"), "NO DATA\r\r>");
    // ATZ brings back the default time-out and adaptive timing.
    two.say("ATZ");
    two.say("ATE0");
    EXPECT_EQ(promptPause(two, "010C"), 200);
}

// The timing model's pauses reach a real terminal without changing a byte; how much sooner the
// counted request returns is measured by bench_answer_count, not asserted here.
TEST(ChipTimingOnPty, CountedAndPlainRequestsAnswerInRealTime) {
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.timing.realtime = true;
    PtyElm elm(config);
    elm.start();
    SerialPort port;
    port.setPortName(elm.slavePath());
    port.open();
    ElmExchange link(&port);
    for (const char* setup : {"ATE0", "ATAT0", "ATST7D"}) // 500 ms, fixed
        ASSERT_TRUE(link.exchange(setup).value_or("").endsWith("OK")) << setup;
    ASSERT_TRUE(link.exchange("0100").value_or("").startsWith("4100")); // "SEARCHING..." left out

    EXPECT_TRUE(link.exchange("010C").value_or("").startsWith("410C"));
    EXPECT_TRUE(link.exchange("010C1").value_or("").startsWith("410C"));
    // The empty line repeats the last request.
    EXPECT_TRUE(link.exchange("").value_or("").startsWith("410C"));
}

} // namespace
