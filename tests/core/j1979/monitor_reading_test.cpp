#include "core/j1979/monitor_reading.h"
#include "tests/core/j1979/scripted_link.h"

#include <gtest/gtest.h>

namespace {

using State = MonitorTestState;

struct MonitorScriptedLink : ScriptedLink {
    bool can = true;
    bool canLayout() const override { return can; }
};

// One expected row: unit key, monitor (CAN) or test (older protocols), test or component, state.
struct ExpectedRow {
    const char* unit;
    int id;
    int sub;
    State state;
};

struct ReadingCase {
    const char* name;
    bool can;
    QList<std::pair<const char*, const char*>> script;
    QList<ExpectedRow> rows;
    bool complete;
};

// Answers as the link hands them over: packed, several units one after the other.
TEST(MonitorReading, ReadsWhatEachAnnouncedMonitorAnswers) {
    const ReadingCase cases[] = {
        {"multi-frame answer: two tests of one monitor, one past its limit",
         true,
         {{"0600", "460000000001"},
          {"0620", "462080000000"},
          {"0621", "4621800101540000010021810100100000FFFF"}},
         {{"", 0x21, 0x80, State::Fail}, {"", 0x21, 0x81, State::Pass}},
         true},
        {"two units, each with its own bitmap and results",
         true,
         {{"0600", "4600C00000004600400000 00"},
          {"0601", "4601010A0E690CCD1000"},
          {"0602", "4602070B006400000190460208 0B0320 02BC FFFF"}},
         {{"", 0x01, 0x01, State::Pass},
          {"1", 0x02, 0x07, State::Pass},
          {"2", 0x02, 0x08, State::Pass}},
         true},
        {"an announced monitor answering NO DATA or a refusal is not read, never passed",
         true,
         {{"0600", "460080000001"},
          {"0620", "462080000000"},
          {"0601", "NO DATA"},
          {"0621", "7F0612"}},
         {{"", 0x01, -1, State::NotRead}, {"", 0x21, -1, State::NotRead}},
         false},
        {"a cut last block is not read",
         true,
         {{"0600", "460080000000"}, {"0601", "4601010A0E690CCD100001020A0E69"}},
         {{"", 0x01, 0x01, State::Pass}, {"", 0x01, 0x02, State::NotRead}},
         false},
        {"no supported monitors readable", true, {{"0600", "NO DATA"}}, {}, false},
        {"older protocols: one message per test and component",
         false,
         {{"0600", "460088000000"},
          {"0601", "46010100 5A0064 46010200700064"},
          {"0605", "460581002000 10"}},
         {{"", 0x01, 0x01, State::Pass},
          {"", 0x01, 0x02, State::Fail},
          {"", 0x05, 0x01, State::Pass}},
         true},
    };
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.name);
        MonitorScriptedLink link;
        link.can = c.can;
        for (const auto& [command, answer] : c.script)
            link.answer(QString::fromLatin1(command), QString::fromLatin1(answer));
        const MonitorReading reading = readMonitorTests(link);
        EXPECT_EQ(reading.complete, c.complete);
        ASSERT_EQ(reading.results.size(), c.rows.size());
        for (qsizetype i = 0; i < c.rows.size(); ++i) {
            const MonitorTestResult& got = reading.results.at(i);
            const ExpectedRow& want = c.rows.at(i);
            SCOPED_TRACE(i);
            EXPECT_EQ(got.unitKey, QString::fromLatin1(want.unit));
            EXPECT_EQ(c.can ? got.mid : got.tid, want.id);
            EXPECT_EQ(c.can ? got.tid : got.componentId, want.sub);
            EXPECT_EQ(got.state, want.state);
        }
    }
}

} // namespace
