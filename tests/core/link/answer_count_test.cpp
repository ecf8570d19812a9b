// The answer count of an ELM327: which requests carry it, what an answer with it means, and the
// exchange's way back to the plain request, against scripted interface output.

#include "core/link/answer_count.h"
#include "core/link/can_answer.h"
#include "core/link/elm_exchange.h"
#include "core/link/stop_signal.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_channel.h"

#include <gtest/gtest.h>

namespace {

QStringList sent(const ScriptedChannel& channel) {
    QStringList commands;
    for (const QByteArray& bytes : channel.written)
        commands << QString::fromLatin1(bytes.chopped(1));
    return commands;
}

TEST(AnswerCount, RequestsOfOneMessageAUnitCarryTheCount) {
    AnswerCount count;
    EXPECT_EQ(count.countedRequest("010C"), QString()); // not started
    count.start(2);
    const struct {
        const char* request;
        const char* sent; // empty: as it is
    } cases[] = {
        {"010C", "010C2"},
        {"0100", "01002"},
        {"010C0D05", "010C0D052"},
        {"010C0D050B1011", "010C0D050B10112"},
        {"020C00", "020C002"},
        {"0902", "09022"},
        {"010C0D050B101105", ""},
        {"03", "032"},
        {"07", "072"},
        {"04", ""},
        {"0A", "0A2"},
        {"ATZ", ""},
        {"01", ""},
        {"010C1", ""},
        {"01 0C", ""},
        {"010g", ""},
        {"0201", ""},
        {"090200", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(count.countedRequest(c.request), QLatin1String(c.sent)) << c.request;
    count.start(12);
    EXPECT_EQ(count.countedRequest("0105"), "0105C");
    for (int impossible : {0, 16, -1}) {
        count.start(impossible);
        EXPECT_FALSE(count.active());
        EXPECT_EQ(count.countedRequest("0105"), QString());
    }
}

TEST(AnswerCount, EachRequestLearnsTheAnswersItGets) {
    using V = AnswerCount::Verdict;
    AnswerCount count;
    count.start(2);
    EXPECT_EQ(count.judge("010C", "410C1AF8410C1AF8", 2), V::Keep);
    EXPECT_EQ(count.countedRequest("010C"), "010C2");
    // One unit stayed silent: its answer stands, and the request expects one from now on.
    EXPECT_EQ(count.judge("0111", "41114C", 1), V::Keep);
    EXPECT_EQ(count.countedRequest("0111"), "01111");
    EXPECT_EQ(count.judge("0902", "490201314731", 1), V::Keep);
    EXPECT_EQ(count.countedRequest("0902"), "09021");
    // Nobody answered, or the interface fell silent: plain from now on, not asked twice.
    EXPECT_EQ(count.judge("0142", "NO DATA", 0), V::Keep);
    EXPECT_EQ(count.countedRequest("0142"), QString());
    EXPECT_EQ(count.judge("010D", std::nullopt, 0), V::Keep);
    EXPECT_EQ(count.countedRequest("010D"), QString());
    EXPECT_EQ(count.countedRequest("0105"), "01052");
    // The units that answered a supported-set request bound the requests it announces: here one
    // unit has PIDs 21 to 40, one has a freeze frame and vehicle information, none has 41 to 60.
    EXPECT_EQ(count.judge("0120", "4120...", 1), V::Keep);
    EXPECT_EQ(count.judge("020000", "420000...", 1), V::Keep);
    EXPECT_EQ(count.judge("0900", "4900...", 1), V::Keep);
    EXPECT_EQ(count.judge("0140", "NO DATA", 0), V::Keep);
    const struct {
        const char* request;
        const char* sent;
    } bounded[] = {{"0121", "01211"},     {"0140", ""},      {"0141", ""},
                   {"0120", "01201"},     {"0105", "01052"}, {"0105212F", "0105212F2"},
                   {"020C00", "020C001"}, {"0904", "09041"}, {"0920", "09201"},
                   {"03", "032"}};
    for (const auto& b : bounded)
        EXPECT_EQ(count.countedRequest(b.request), QLatin1String(b.sent)) << b.request;
    // A new connection starts over.
    count.start(2);
    EXPECT_EQ(count.countedRequest("0111"), "01112");
    EXPECT_EQ(count.countedRequest("0121"), "01212");
    // A chip that does not know the digit gets it no more at all.
    EXPECT_EQ(count.judge("010C", "?", 0), V::SendPlain);
    EXPECT_FALSE(count.active());
    EXPECT_EQ(count.countedRequest("0105"), QString());
}

TEST(CanMessageCount, CountsResponsesNotLines) {
    EXPECT_EQ(can_answer::messageCount("41 0C 1A F8\r\r>"), 1);
    EXPECT_EQ(can_answer::messageCount("SEARCHING...\r7E8 06 41 00 BE 1F E8 11\r"
                                       "7E9 06 41 00 98 18 00 00\r\r>"),
              2);
    // One long message in three frames, and a second unit's short one.
    EXPECT_EQ(can_answer::messageCount("7E8 10 08 47 03 01 25 07 36\r7E8 21 04 55 AA AA AA AA AA\r"
                                       "7E9 03 47 00 00\r\r>"),
              2);
    EXPECT_EQ(can_answer::messageCount("014\r0: 49 02 01 31 47 31\r1: 4A 43 35 34 34 34 52\r"
                                       "2: 37 32 35 32 33 36 37\r\r>"),
              1);
    for (const QByteArray& none :
         {QByteArray("NO DATA\r\r>"), QByteArray("?\r\r>"), QByteArray("41 0C 1A F8\r"),
          QByteArray(""), QByteArray("STOPPED\r\r>")})
        EXPECT_EQ(can_answer::messageCount(none), 0) << none.constData();
}

struct CountedExchange : testing::Test {
    ScriptedChannel channel;
    ElmExchange link{&channel};

    void SetUp() override {
        link.setSilenceTimeout(50);
        link.setCanLayout(true);
    }
};

TEST_F(CountedExchange, UnitsOfService01SetTheCountOfEveryCurrentDataRequest) {
    channel.reply({"41 00 BE 1F E8 11\r41 00 98 18 00 00\r\r>"});
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811410098180000");
    EXPECT_EQ(link.service01Units(), 2);
    link.startAnswerCount(link.service01Units());

    channel.reply({"41 0C 1A F8\r41 0C 1A F8\r\r>", "43 01 01 25\r\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C1AF8410C1AF8");
    EXPECT_EQ(link.exchange("03"), "43012500000000"); // one unit has codes to tell
    EXPECT_EQ(sent(channel), QStringList({"0100", "010C2", "032"}));
}

TEST_F(CountedExchange, SilentUnitCostsOneTimeOutAndNoValue) {
    link.startAnswerCount(2);
    channel.reply({"41 11 4C\r\r>", "41 11 4D\r\r>", "41 0C 1A F8\r41 0C 1A F8\r\r>"});
    EXPECT_EQ(link.exchange("0111"), "41114C"); // the one answer that came
    EXPECT_EQ(link.exchange("0111"), "41114D");
    EXPECT_EQ(link.exchange("010C"), "410C1AF8410C1AF8");
    EXPECT_EQ(sent(channel), QStringList({"01112", "01111", "010C2"}));
}

TEST_F(CountedExchange, ChipThatRefusesTheDigitGetsPlainRequestsOnly) {
    link.startAnswerCount(1);
    channel.reply({"?\r\r>", "41 0C 1A F8\r\r>", "41 0D 32\r\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C1AF8");
    EXPECT_EQ(link.exchange("010D"), "410D32");
    EXPECT_EQ(sent(channel), QStringList({"010C1", "010C", "010D"}));
}

TEST_F(CountedExchange, SilenceAndOtherLinksGetNoSecondRequest) {
    link.startAnswerCount(1);
    EXPECT_EQ(link.exchange("010C"), std::nullopt); // nothing came
    EXPECT_EQ(sent(channel), QStringList({"010C1"}));

    // The count belongs to a serial CAN link that allows it.
    channel.written.clear();
    link.setCanLayout(false);
    channel.reply({"41 0D 32\r\r>"});
    link.exchange("010D");
    link.setCanLayout(true);
    link.setAnswerCountAllowed(false);
    link.startAnswerCount(1);
    channel.reply({"41 0D 32\r\r>"});
    link.exchange("010D");
    EXPECT_EQ(sent(channel), QStringList({"010D", "010D"}));
    EXPECT_EQ(link.service01Units(), 0);
}

TEST(CountedExchangeStop, StoppedAnswerIsNeitherRepeatedNorHeldAgainstThePid) {
    StoppingChannel channel;
    ElmExchange link(&channel);
    StopSignal stop;
    channel.stop = &stop;
    link.setStopSignal(&stop);
    link.setCanLayout(true);
    link.startAnswerCount(1);
    channel.babble("41 ");
    channel.stopAfterWaits = 2;
    EXPECT_EQ(link.exchange("010C"), std::nullopt);
    EXPECT_EQ(sent(channel), QStringList({"010C1"}));

    stop.reset();
    channel.stopAfterWaits = -1;
    channel.babble({});
    channel.reply({"\r>", "41 0C 1A F8\r\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C1AF8");
    EXPECT_EQ(sent(channel), QStringList({"010C1", "010C1"}));
}

} // namespace
