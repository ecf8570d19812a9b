// Several current-data PIDs in one request: which answers give values to which PID, and how the
// reader falls back to one PID a request.

#include "core/j1979/grouped_pid_request.h"
#include "tests/core/j1979/scripted_link.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}

TEST(GroupedPidRequest, ValuesComeOnlyFromWholePidsOfTheRequest) {
    const QList<int> asked{0x0C, 0x0D, 0x05};
    const struct {
        const char* what;
        QList<QByteArray> messages;
        QHash<int, QString> expected; // empty: unusable
    } cases[] = {
        {"one unit, in the order asked",
         {bytes("410C1AF80D32057B")},
         {{0x0C, "410C1AF8"}, {0x0D, "410D32"}, {0x05, "41057B"}}},
        {"another order",
         {bytes("41057B0D320C1AF8")},
         {{0x0C, "410C1AF8"}, {0x0D, "410D32"}, {0x05, "41057B"}}},
        {"two units: the first one's bytes win, the second may have fewer",
         {bytes("410C1AF80D32057B"), bytes("410C1B000D33")},
         {{0x0C, "410C1AF8"}, {0x0D, "410D32"}, {0x05, "41057B"}}},
        {"a PID only the second unit has",
         {bytes("410C1AF80D32"), bytes("41057C")},
         {{0x0C, "410C1AF8"}, {0x0D, "410D32"}, {0x05, "41057C"}}},
        {"the last PID dropped", {bytes("410C1AF80D32")}, {}},
        {"the last PID's bytes cut short", {bytes("410C1AF80D3205")}, {}},
        {"a PID inside cut short", {bytes("410C1A0D32057B")}, {}},
        {"a PID not asked for", {bytes("410C1AF80D32057B1180")}, {}},
        {"a PID twice in one message", {bytes("410C1AF80C1AF80D32057B")}, {}},
        {"a negative response", {bytes("7F0112")}, {}},
        {"another service's response", {bytes("420C1AF80D32057B")}, {}},
        {"NO DATA: no message", {}, {}},
        {"an empty message", {QByteArray(), bytes("410C1AF80D32057B")}, {}},
    };
    for (const auto& c : cases) {
        const auto answers = grouped_pid_request::split(c.messages, asked);
        if (c.expected.isEmpty())
            EXPECT_FALSE(answers) << c.what;
        else
            EXPECT_EQ(answers.value_or(QHash<int, QString>{}), c.expected) << c.what;
    }
}

TEST(GroupedPidRequest, SixPidsARequestUntilAnAnswerIsUnusable) {
    ScriptedLink link;
    link.groupedPids = 6;
    link.answer("01040C0D050F10", "41 04 80 0C 1A F8 0D 32 05 7B 0F 50 10 01 90");
    // The second group's answer lacks 46: grouping stops, and nothing of it is taken.
    link.answer("01111F2146", "41 11 80 1F 00 10 21 00 00");
    const QList<int> pids{0x04, 0x0C, 0x0D, 0x05, 0x0F, 0x10, 0x11, 0x1F, 0x21, 0x46, 0x2F, 0x33};
    const auto values = grouped_pid_request::read(link, pids.mid(0, 10) << 0x00 << 0x20, false);
    EXPECT_EQ(link.sent(), QStringList({"01040C0D050F10", "01111F2146"}));
    EXPECT_EQ(link.refusals, 1);
    EXPECT_EQ(values.keys().size(), 6);
    EXPECT_EQ(values.value(0x0C), QList<PidValue>{QStringLiteral(" 1726")});
    EXPECT_EQ(values.value(0x05), QList<PidValue>{QStringLiteral("83")});
    EXPECT_EQ(values.value(0x10), QList<PidValue>{QStringLiteral("4.00")});
    EXPECT_FALSE(values.contains(0x11));

    // Once refused, nothing goes out grouped; one PID alone never does.
    link.answer("010C0D", "41 0C 1A F8 0D 32");
    EXPECT_TRUE(grouped_pid_request::read(link, {0x0C, 0x0D}, false).isEmpty());
    link.refusals = 0;
    EXPECT_TRUE(grouped_pid_request::read(link, {0x0C}, false).isEmpty());
    EXPECT_EQ(link.sent().size(), 2);
    // A PID of several values gives each of them.
    link.answer("010C67", "41 0C 1A F8 67 03 5A 64");
    const auto coolant = grouped_pid_request::read(link, {0x0C, 0x67}, false);
    EXPECT_EQ(coolant.value(0x67), (QList<PidValue>{QStringLiteral("50"), QStringLiteral("60")}));
}

} // namespace
