// The shown texts a front end without pages builds from readings, by the pages' rules.

#include "core/connection/shown_results.h"

#include "core/connection/freeze_frame_reading.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/monitor_reading.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/o2_sensor_tests.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

FaultCodeTable sampleTable() {
    FaultCodeTable table;
    table.setRecords({{"P0133", "Generic", "O2 Sensor Circuit Slow Response"},
                      {"P1107", "Ford", "Dual Alternator Lamp Circuit Malfunction"}});
    return table;
}

TEST(ShownResults, CodeGridsDescribeCodesAsThePageDoes) {
    const FaultCodeTable table = sampleTable();
    const ShownCodeGrid none = shownCodeGrid(QStringList(), table, "Ford", "No codes", "Not read");
    EXPECT_EQ(none.state, ReadState::Read);
    EXPECT_EQ(none.rows, QList<ShownCodeRow>({{"P0000", "No codes"}}));
    // A list that did not come is not a car without codes.
    const ShownCodeGrid unread = shownCodeGrid(std::nullopt, table, "Ford", "No codes", "Not read");
    EXPECT_EQ(unread.state, ReadState::CouldNotBeRead);
    EXPECT_EQ(unread.rows, QList<ShownCodeRow>({{"", "Not read"}}));

    // P0 codes under "Generic", the others under the chosen maker, unknown ones without text.
    const ShownCodeGrid codes =
        shownCodeGrid(QStringList{"P0133", "P1107", "P1299"}, table, "Ford", "-", "-");
    EXPECT_EQ(codes.rows,
              QList<ShownCodeRow>({{"P0133", "O2 Sensor Circuit Slow Response"},
                                   {"P1107", "Dual Alternator Lamp Circuit Malfunction"},
                                   {"P1299", ""}}));
    EXPECT_EQ(
        shownCodeGrid(QStringList{"P1107"}, table, "Toyota", "-", "-").rows.first().description,
        "");
}

// Between two vehicles only the user's own address survives.
TEST(ShownResults, ForgettingTheVehicleKeepsOnlyTheUsersAddress) {
    ShownResults shown;
    shown.userAddress[0] = "Workshop";
    shown.vin = "1G1JC5444R7252367";
    shown.monitorStatus.state = shown.o2Tests.state = ReadState::Read;
    shown.storedCodes.rows = {{"P0133", "O2 Sensor Circuit Slow Response"}};
    shown.freezeFrame.rows.first().value = "83";
    forgetReadings(shown);
    ShownResults expected;
    expected.userAddress[0] = "Workshop";
    EXPECT_TRUE(shown == expected);
}

TEST(ShownResults, MonitorStatusUsesTheStartPagesSevenMonitors) {
    MonitorStatus status;
    status.milOn = true;
    status.continuousSupported = {true, false, true, true};
    status.continuousCompleted = {false, false, true, true};
    // Only catalyst (0), evaporative system (2), oxygen sensor (5) and its heater (6) are shown.
    status.nonContinuousSupported = {true, true, false, true, true, true, false, true};
    status.nonContinuousCompleted = {false, true, true, true, true, true, true, true};
    status.answered = true;
    const ShownMonitorStatus shown = shownMonitorStatus(status);
    EXPECT_EQ(shown.milStatus, "On");
    using Texts = std::array<QString, 7>;
    EXPECT_EQ(shown.supported, (Texts{"Yes", "No", "Yes", "Yes", "No", "Yes", "No"}));
    EXPECT_EQ(shown.completed, (Texts{"No", "No", "Yes", "No", "Yes", "Yes", "Yes"}));
    // An unanswered "0101" leaves every text at N/A, as the start page does.
    const ShownMonitorStatus unanswered = shownMonitorStatus(MonitorStatus{});
    EXPECT_EQ(unanswered.state, ReadState::CouldNotBeRead);
    EXPECT_EQ(unanswered.milStatus, "N/A");
    EXPECT_EQ(unanswered.supported, (Texts{"N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"}));
}

TEST(ShownResults, FreezeFrameWithoutCodeOrRows) {
    FreezeFrameReading nothing;
    nothing.codes = QStringList();
    const ShownFreezeFrame empty = shownFreezeFrame(nothing, sampleTable(), "Ford");
    EXPECT_EQ(empty.code.rows,
              QList<ShownCodeRow>({{"P0000", "No freeze frame information available"}}));
    EXPECT_EQ(empty.rows, QList<ShownFreezeFrameRow>({{}}));
    const ShownFreezeFrame unread = shownFreezeFrame(FreezeFrameReading{}, sampleTable(), "Ford");
    EXPECT_EQ(unread.state, ReadState::CouldNotBeRead);
    EXPECT_EQ(unread.code.rows, QList<ShownCodeRow>({{"", "Freeze frame could not be read"}}));

    FreezeFrameReading reading;
    reading.codes = QStringList{"P0133"};
    reading.rows = {{"0C", "Engine RPM", "1726", "rpm"}};
    const ShownFreezeFrame frame = shownFreezeFrame(reading, sampleTable(), "Ford");
    EXPECT_EQ(frame.code.rows.first().description, "O2 Sensor Circuit Slow Response");
    EXPECT_EQ(frame.rows, QList<ShownFreezeFrameRow>({{"0C", "Engine RPM", "1726", "rpm"}}));
}

// A reading with a row that did not come is not read as a whole; its rows keep their verdicts.
TEST(ShownResults, MonitorTestsTakeTheReadingsRowsAndCompleteness) {
    MonitorTestResult catalyst;
    catalyst.mid = 0x21;
    catalyst.tid = 0x81;
    catalyst.uasid = 0x24;
    catalyst.value = 320;
    catalyst.minimum = 0;
    catalyst.maximum = 256;
    catalyst.unit = "counts";
    catalyst.unitKnown = true;
    catalyst.state = MonitorTestState::Fail;
    MonitorTestResult cut; // an older-protocol row whose answer ended early
    cut.unitKey = "2";
    cut.tid = 0x01;
    cut.componentId = 0x11;
    const ShownMonitorTests shown = shownMonitorTests({{catalyst, cut}, false});
    EXPECT_EQ(shown.state, ReadState::CouldNotBeRead);
    ASSERT_EQ(shown.rows.size(), 2);
    EXPECT_EQ(shown.rows[0], (ShownMonitorTestRow{"", "Catalyst monitor bank 1", "TID 81", "320",
                                                  "0", "256", "counts", MonitorTestState::Fail}));
    EXPECT_EQ(shown.rows[1].monitor, "Component 11");
    EXPECT_EQ(QStringList({shown.rows[1].value, shown.rows[1].minimum, shown.rows[1].unit}),
              QStringList({"-", "-", ""}));
    EXPECT_EQ(shown.rows[1].state, MonitorTestState::NotRead);
    EXPECT_EQ(shownMonitorTests({{catalyst}, true}).state, ReadState::Read);
}

TEST(ShownResults, O2GridKeepsItsFixedTextsAndTakesResults) {
    const ShownO2Tests unread = shownO2Tests("Bank 1 - Sensor 1");
    EXPECT_EQ(unread.heading, QStringList({"", "PID", "Description", "Value", "Min", "Max", ""}));
    ASSERT_EQ(unread.rows.size(), 10);
    EXPECT_EQ(unread.rows[9],
              QStringList({"0", "$0A", O2TestCatalogue()[9].description, "", "", "", "s"}));
    std::array<O2TestResult, 10> results{};
    results[9] = {"1", "0.52", "0.40", "1.00"};
    const ShownO2Tests read = shownO2Tests("Bank 1 - Sensor 2", &results);
    EXPECT_EQ(read.location, "Bank 1 - Sensor 2");
    EXPECT_EQ(read.rows[9].mid(3, 3), QStringList({"0.52", "0.40", "1.00"}));
    EXPECT_EQ(read.rows[9][0], "1");
}

} // namespace
