#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/const_str.h"
#include "core/link/stop_signal.h"
#include "core/livedata/live_data.h"
#include "core/livedata/sensor_polling.h"
#include "tests/core/j1979/scripted_link.h"
#include "tests/support/qt_printers.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

SupportedPidSet supportedSet(std::initializer_list<int> pids) {
    SupportedPidSet set{};
    for (int pid : pids)
        set[std::size_t(pid - 1)] = true;
    return set;
}

QStringList codesOf(const SensorList& list) {
    QStringList codes;
    for (const SensorListItem& item : list)
        codes << item.entry->pid.pidCode;
    return codes;
}

struct LiveDataTest : testing::Test {
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    const PidCatalogue catalogue = buildPidCatalogue();
    LiveData data;
    ScriptedLink link;
    bool english = false;
    SensorPolling polling{link, data, [this] { return english; }};
    StopSignal stop;
};

TEST_F(LiveDataTest, SupportedLiveSensorsAreMonitoredInPidOrderAndTheRestNotSupported) {
    buildSensorLists(data.lists, catalogue, supportedSet({0x0D, 0x04, 0x0C, 0x05, 0x01, 0x13}));
    // 01 and 13 are no live sensors: in no list, though supported.
    EXPECT_EQ(codesOf(data.lists.MonitoredSensors), (QStringList{"04", "05", "0C", "0D"}));
    EXPECT_TRUE(data.lists.SupportedSensors.isEmpty());
    const QStringList notSupported = codesOf(data.lists.NotSupportedSensors);
    EXPECT_FALSE(notSupported.contains("01"));
    EXPECT_FALSE(notSupported.contains("0C"));
    EXPECT_TRUE(notSupported.contains("03"));
    EXPECT_TRUE(notSupported.contains("4E"));

    const LiveSensor& rpm = *data.lists.MonitoredSensors[2].entry;
    EXPECT_EQ(data.lists.MonitoredSensors[2].displayName, catalogue.pid(0x0C).name);
    EXPECT_EQ(rpm.pid.pidNumber, 0x0C);
    EXPECT_EQ(rpm.valueText, "");
    EXPECT_TRUE(rpm.supported);
    EXPECT_EQ(rpm.pid.graphMax, 8000.0);
    EXPECT_EQ(data.lists.entryOf(0x0C), &rpm);
    EXPECT_EQ(data.lists.entries.size(), std::size_t(CataloguePidCount));

    const LiveSensor& none = data.lists.PlaceholderSensor;
    EXPECT_EQ(none.pid.pidNumber, 0);
    EXPECT_EQ(none.pid.pidCode, "00");
    EXPECT_EQ(none.pid.name, "<--->");
    EXPECT_EQ(none.valueText, "");
    EXPECT_TRUE(none.pid.liveSensor);
    EXPECT_FALSE(none.supported);

    // A new connection replaces everything: support and values start afresh, the texts stay.
    data.lists.entryOf(0x04)->valueText = "83";
    buildSensorLists(data.lists, catalogue, supportedSet({0x0C}));
    EXPECT_EQ(codesOf(data.lists.MonitoredSensors), QStringList{"0C"});
    const LiveSensor& load = *data.lists.entryOf(0x04);
    EXPECT_FALSE(load.supported);
    EXPECT_EQ(load.valueText, "");
    EXPECT_EQ(load.pid.name, catalogue.pid(0x04).name);
}

// Values above 4E: offered only when the car has them (byte A read at connection), and two values
// of one PID cost one request a cycle, in the table and in the graph.
TEST_F(LiveDataTest, ValuesOfOnePidAreOfferedAsTheCarHasThemAndAskedForOnce) {
    SupportedPidSet supported = supportedSet({0x0C, 0x67, 0x68});
    supported.setPresenceByte(0x68, 0x01);
    buildSensorLists(data.lists, catalogue, supported);
    QStringList codes;
    for (const SensorListItem& item : data.lists.MonitoredSensors)
        codes << item.entry->pid.code();
    EXPECT_EQ(codes, (QStringList{"0C", "67-1", "67-2", "68-1"}));
    EXPECT_EQ(data.lists.entryOf(0x5C), nullptr); // not supported: not offered at all

    link.answer("010C", "410C118C");
    link.answer("0167", "4167035A64");
    link.answer("0168", "41680128000000000000");
    polling.runCycle(int(SensorTab::Table), stop);
    EXPECT_EQ(link.sent(), (QStringList{"010C", "0167", "0168"}));
    EXPECT_EQ(data.lists.MonitoredSensors[2].entry->valueText, "60");
    EXPECT_EQ(data.lists.MonitoredSensors[3].entry->valueText, "0");

    data.SeriesPid1 = catalogue.valuesOf(0x67)[0].key();
    data.SeriesPid2 = catalogue.valuesOf(0x67)[1].key();
    polling.runCycle(int(SensorTab::Graph), stop);
    EXPECT_EQ(link.sent().size(), 4);
    EXPECT_EQ(data.seriesReadings[1].value, 60.0);
}

TEST_F(LiveDataTest, TableCycleAsksEveryMonitoredSensorOnceAndKeepsEveryText) {
    buildSensorLists(data.lists, catalogue, supportedSet({0x05, 0x0C, 0x0D}));
    link.answer("0105", "41057B");
    link.answer("010C", "410C118C");
    // 010D unanswered: "NO DATA" gives the sentinel, which is kept like any text.
    EXPECT_TRUE(polling.runCycle(int(SensorTab::Table), stop));
    EXPECT_EQ(link.sent(), (QStringList{"0105", "010C", "010D"}));
    const SensorList& monitored = data.lists.MonitoredSensors;
    EXPECT_EQ(monitored[0].entry->valueText, "83");
    EXPECT_EQ(monitored[1].entry->valueText, " 1123");
    EXPECT_EQ(monitored[2].entry->valueText, const_str::Error);

    english = true; // the next request on decodes in the other unit system
    polling.runCycle(int(SensorTab::Table), stop);
    EXPECT_EQ(monitored[0].entry->valueText, "181");

    // An empty list asks nothing; the options tab never asks.
    data.lists.MonitoredSensors.clear();
    const qsizetype sent = link.sent().size();
    EXPECT_TRUE(polling.runCycle(int(SensorTab::Table), stop));
    EXPECT_TRUE(polling.runCycle(int(SensorTab::Options), stop));
    EXPECT_EQ(link.sent().size(), sent);
}

// Where the link takes several PIDs a request, each tab's PIDs share requests; an answer that
// is not whole turns that off, and its PIDs are asked alone in the same cycle.
TEST_F(LiveDataTest, EveryTabAsksItsSupportedPidsTogetherWhereTheLinkTakesThem) {
    const struct {
        SensorTab tab;
        const char* grouped;
        const char* answer;
        QStringList alone; // asked alone after the grouped request in the same cycle
    } cases[] = {
        {SensorTab::Table, "0105070C0D", "41 05 7B 07 80 0C 11 8C 0D 64", {}},
        {SensorTab::Graph, "010C05", "41 0C 11 8C 05 7B", {}},
        // 04 and 07 are no gauges; 04 is not supported, so it goes alone.
        {SensorTab::Dashboard, "010C050D", "41 0C 11 8C 05 7B 0D 64", {"0104"}},
        // The vehicle dropped the last PID: nothing of that answer is used.
        {SensorTab::Table,
         "0105070C0D",
         "41 05 7C 07 80 0C 11 8C",
         {"0105", "0107", "010C", "010D"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grouped);
        LiveData live;
        ScriptedLink grouping;
        grouping.groupedPids = 6;
        grouping.answer(c.grouped, QString::fromLatin1(c.answer));
        grouping.answer("0105", "41057B");
        grouping.answer("0107", "410780");
        grouping.answer("010C", "410C118C");
        grouping.answer("010D", "410D64");
        SensorPolling cycles(grouping, live, [] { return false; });
        buildSensorLists(live.lists, catalogue, supportedSet({0x05, 0x07, 0x0C, 0x0D}));
        live.SeriesPid1 = 0x0C;
        live.SeriesPid2 = 0x05;
        cycles.runCycle(int(c.tab), stop);
        EXPECT_EQ(grouping.sent(), QStringList{QString::fromLatin1(c.grouped)} + c.alone);
        EXPECT_EQ(grouping.refusals, c.alone.size() > 1 ? 1 : 0);
        if (c.tab == SensorTab::Table) {
            EXPECT_EQ(live.lists.entryOf(0x05)->valueText, "83");
            EXPECT_EQ(live.lists.entryOf(0x0C)->valueText, " 1123");
            EXPECT_EQ(live.lists.entryOf(0x0D)->valueText, "100");
        } else if (c.tab == SensorTab::Graph) {
            EXPECT_DOUBLE_EQ(live.seriesReadings[0].value, 1123.0);
            EXPECT_DOUBLE_EQ(live.seriesReadings[1].value, 83.0);
        } else {
            EXPECT_EQ(live.dashboard[DashboardValues::EngineSpeed].valueText, " 1123");
            EXPECT_EQ(live.dashboard[DashboardValues::VehicleSpeed].valueText, "100");
        }
    }
}

TEST_F(LiveDataTest, AnAnswerThatIsNoNumberIsAnErrorAndTheCycleGoesOn) {
    buildSensorLists(data.lists, catalogue, supportedSet({0x05, 0x0C, 0x0D}));
    link.answer("0105", "4105ZZ");
    link.answer("010C", "410C118C");
    link.answer("010D", "410D!");
    EXPECT_TRUE(polling.runCycle(int(SensorTab::Table), stop));
    EXPECT_EQ(link.sent(), (QStringList{"0105", "010C", "010D"}));
    const SensorList& monitored = data.lists.MonitoredSensors;
    EXPECT_EQ(monitored[0].entry->valueText, const_str::Error);
    EXPECT_EQ(monitored[1].entry->valueText, " 1123");
    EXPECT_EQ(monitored[2].entry->valueText, const_str::Error);
}

TEST_F(LiveDataTest, AStopLeavesTheRestOfTheCycleUntouched) {
    buildSensorLists(data.lists, catalogue, supportedSet({0x05, 0x0C}));
    stop.request();
    polling.runCycle(int(SensorTab::Table), stop);
    polling.runCycle(int(SensorTab::Graph), stop);
    EXPECT_TRUE(link.sent().isEmpty());
    EXPECT_EQ(data.lists.MonitoredSensors[0].entry->valueText, "");
}

// Raises the stop while one command is in progress, which then ends without an answer.
struct StoppingLink : ScriptedLink {
    LinkAnswer exchange(const QString& command) override {
        if (command != stopAt)
            return ScriptedLink::exchange(command);
        stop->request();
        return std::nullopt;
    }
    QString stopAt;
    StopSignal* stop = nullptr;
};

TEST_F(LiveDataTest, ARequestEndedByAStopIsNoReadingOnAnyTab) {
    const struct {
        SensorTab tab;
        QString stopAt;
    } cases[] = {{SensorTab::Table, "010C"},
                 {SensorTab::Graph, "010C"},
                 {SensorTab::Dashboard, "010C"},
                 {SensorTab::Dashboard, "0105"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.tab) << " " << c.stopAt.toStdString());
        LiveData live;
        StoppingLink stopping;
        StopSignal raised;
        stopping.stop = &raised;
        stopping.answer("0105", "41057B");
        stopping.answer("010C", "410C118C");
        SensorPolling cycles(stopping, live, [] { return false; });
        buildSensorLists(live.lists, catalogue, supportedSet({0x05, 0x0C}));
        live.SeriesPid1 = 0x05;
        live.SeriesPid2 = 0x0C;
        cycles.runCycle(int(c.tab), raised); // a whole cycle first
        const std::size_t samples = live.history.size();
        stopping.stopAt = c.stopAt;
        cycles.runCycle(int(c.tab), raised);

        // Every value stays what the last whole cycle read; the graph gets no sample.
        EXPECT_EQ(live.lists.entryOf(0x0C)->valueText, c.tab == SensorTab::Table ? " 1123" : "");
        EXPECT_EQ(live.history.size(), samples);
        if (c.tab == SensorTab::Graph) {
            EXPECT_DOUBLE_EQ(live.seriesReadings[1].value, 1123.0);
        }
        if (c.tab == SensorTab::Dashboard) {
            EXPECT_EQ(live.dashboard[DashboardValues::EngineSpeed].valueText, " 1123");
            EXPECT_EQ(live.dashboard[DashboardValues::CoolantTemperature].valueText, "83");
        }
    }
}

TEST_F(LiveDataTest, GraphCyclePlotsNumbersAndShowsWordsInTheCaption) {
    buildSensorLists(data.lists, catalogue, supportedSet({0x0C, 0x14}));
    // Neither series has a sensor: nothing is asked and the cycle asks the worker to stop.
    EXPECT_FALSE(polling.runCycle(int(SensorTab::Graph), stop));
    EXPECT_TRUE(link.sent().isEmpty());
    EXPECT_EQ(data.history.size(), 0u);

    data.SeriesPid1 = 0x14;
    data.SeriesPid2 = 0x0C;
    link.answer("0114", "41140780"); // "0.035 V, trim: 0.0 %" -> its voltage only
    link.answer("010C", "410C118C");
    EXPECT_TRUE(polling.runCycle(int(SensorTab::Graph), stop));
    EXPECT_EQ(data.seriesReadings[0].display, "0.035");
    EXPECT_EQ(data.seriesReadings[0].caption, "-");
    EXPECT_DOUBLE_EQ(data.seriesReadings[0].value, 0.035);
    EXPECT_DOUBLE_EQ(data.seriesReadings[1].value, 1123.0); // leading blank allowed

    data.SeriesPid2 = 0; // a series without a sensor plots 0 and is not asked for
    link.answer("0114", "NO DATA");
    polling.runCycle(int(SensorTab::Graph), stop);
    EXPECT_EQ(data.seriesReadings[0].caption, const_str::Error);
    EXPECT_EQ(data.seriesReadings[0].display, "-");
    EXPECT_DOUBLE_EQ(data.seriesReadings[0].value, 0.0);
    EXPECT_EQ(link.sent(), (QStringList{"0114", "010C", "0114"}));

    const std::vector<GraphSample> samples = data.history.range(0, 10);
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_DOUBLE_EQ(samples[0].series1, 0.035);
    EXPECT_DOUBLE_EQ(samples[0].series2, 1123.0);
    EXPECT_DOUBLE_EQ(samples[1].series1, 0.0);
    EXPECT_DOUBLE_EQ(samples[1].series2, 0.0);
}

TEST_F(LiveDataTest, NumbersAreReadInTheLocalesFormat) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(readSeries(" 12,5 ").value, 12.5);
    EXPECT_EQ(readSeries(" 12,5 ").display, " 12,5 ");
    EXPECT_EQ(readSeries("N/A").caption, "N/A");
    EXPECT_EQ(readSeries("").caption, ""); // a series without a sensor
    EXPECT_DOUBLE_EQ(readSeries("abc").value, 0.0);
}

TEST_F(LiveDataTest, DashboardCycleFillsTheEnabledGaugesOnly) {
    link.answer("010C", "410C1F40");
    link.answer("0105", "41057B");
    link.answer("010D", "410D64");
    link.answer("0104", "410480");
    data.dashboard[DashboardValues::Load].enabled = false;
    polling.runCycle(int(SensorTab::Dashboard), stop);
    EXPECT_EQ(link.sent(), (QStringList{"010C", "0105", "010D"}));
    EXPECT_EQ(data.dashboard[DashboardValues::EngineSpeed].valueText, " 2000");
    EXPECT_EQ(data.dashboard[DashboardValues::CoolantTemperature].valueText, "83");
    EXPECT_EQ(data.dashboard[DashboardValues::VehicleSpeed].valueText, "100");
    EXPECT_EQ(data.dashboard[DashboardValues::Load].valueText, "0");
    EXPECT_TRUE(data.dashboard[DashboardValues::EngineSpeed].enabled);
}

} // namespace
