// The connection sequence against the simulated vehicle, with and without a port that opens.

#include "core/connection/communication_guard.h"
#include "core/connection/connection_sequence.h"
#include "core/connection/program_context.h"
#include "core/link/com_port.h"
#include "core/link/serial_port.h"

#include "tests/core/connection/connection_recording_view.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/test_environment.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct DemoConnection : testing::Test {
    ProgramContext context;
    RecordingConnectionView view;
    ConnectionSequence sequence{context, view};

    void SetUp() override {
        context.comPort = createComPort();
        // No device at this path: the machine has no serial port as far as the sequence knows.
        context.comPort->setPortName(test_env::freshDir("noport") + "/ttyUSB0");
        context.link.setChannel(context.comPort.get());
        context.link.setDemoDelay(0);
        context.link.setDemoMode(true);
    }
};

TEST_F(DemoConnection, FillsEveryStageWithoutAnyOpenablePort) {
    const QString port = context.comPort->portName();
    ASSERT_TRUE(sequence.initializeConnection());

    // No port opened, so none is claimed ready; every service step of the vehicle is read.
    QStringList expected{"Demo-Mode: no port opened"};
    expected << successfulLinesAfterPort();
    EXPECT_EQ(view.texts(), expected);
    EXPECT_EQ(view.marks(), QStringList{"--"} + QStringList(14, "OK"));
    EXPECT_FALSE(context.comPort->isOpen());

    EXPECT_TRUE(view.comLed && view.elmLed && view.ecuLed);
    EXPECT_EQ(view.comLabel, port);
    EXPECT_EQ(view.interfaceLabel, "Interface: ELM323 v2.0");
    EXPECT_EQ(sequence.chipVersion(), "ELM323 v2.0");
    EXPECT_FALSE(context.connection.noCommunication());

    ASSERT_TRUE(view.monitorStatus);
    EXPECT_TRUE(view.monitorStatus->milOn);
    EXPECT_EQ(view.monitorStatus->troubleCodeCount, 9);
    EXPECT_EQ(view.obdType, "OBD II (California ARB)");
    EXPECT_EQ(view.vin, "1G1JC5444R7252367");
    ASSERT_FALSE(view.cids.isEmpty());
    EXPECT_EQ(view.cids.first(), "1131533479060002");
    ASSERT_FALSE(view.cvns.isEmpty());
    EXPECT_EQ(view.cvns.first(), "AE6D46B4");
    ASSERT_TRUE(view.storedCodes && view.pendingCodes);
    EXPECT_EQ(view.storedCodes->size(), 9);
    EXPECT_EQ(view.pendingCodes->size(), 3);
    ASSERT_TRUE(view.sensorSet);
    EXPECT_TRUE(isSupported(*view.sensorSet, "0C"));
    ASSERT_TRUE(view.o2Locations);
    EXPECT_FALSE(view.o2Locations->isEmpty());
    // A frame consistent with the rest: stored with one of the stored codes, a value for each PID
    // its supported set lists.
    ASSERT_TRUE(view.freezeFrame && view.freezeFrame->codes);
    EXPECT_EQ(*view.freezeFrame->codes, QStringList{"P0125"});
    EXPECT_TRUE(view.storedCodes->contains("P0125"));
    QStringList frame;
    for (const FreezeFrameRow& row : view.freezeFrame->rows)
        frame << row.pid + "=" + row.value.value_or("none").trimmed();
    EXPECT_EQ(frame, QStringList({"03=open loop", "04=23.5", "05=40", "06=0.0", "07=1.6", "0C=750",
                                  "0D=0"}));

    // Each stage is painted as it comes, and window messages are handled once, after service 01.
    EXPECT_GE(view.logUpdates, 14);
    EXPECT_EQ(view.eventPasses, 1);
}

TEST_F(DemoConnection, RunningAgainStartsFromAnEmptyList) {
    ASSERT_TRUE(sequence.initializeConnection());
    ASSERT_TRUE(sequence.initializeConnection());
    EXPECT_EQ(view.lines.size(), 15);
}

TEST_F(DemoConnection, DisconnectReportsThreeLinesAndTheGuardRefusesAfterwards) {
    ASSERT_TRUE(sequence.initializeConnection());
    sequence.disconnect();

    const QStringList tail = view.texts().mid(15);
    EXPECT_EQ(tail,
              QStringList({"ECU connection aborted", "ELM connection aborted", "COM Port closed"}));
    // Ending a connection passes no test; the strip shows the port that Connect will open.
    EXPECT_EQ(view.marks().mid(15), QStringList({"--", "--", "OK"}));
    EXPECT_FALSE(view.comLed || view.elmLed || view.ecuLed);
    EXPECT_EQ(view.comLabel, context.comPort->portName());
    EXPECT_EQ(view.interfaceLabel, "Not connected");
    EXPECT_TRUE(context.connection.noCommunication());

    RecordingNotifier notifier;
    EXPECT_TRUE(communicationLost(context.connection, notifier));
    EXPECT_EQ(notifier.messages.size(), 1);
}

TEST_F(DemoConnection, AutoDetectionWithoutPortsStillReachesTheSimulatedVehicle) {
    context.autoDetect = true;
    context.serialPortNames.clear();
    EXPECT_TRUE(sequence.initializeConnection());
    EXPECT_EQ(view.lines.size(), 15);
}

TEST_F(DemoConnection, ConnectButtonLogsTheNewInitEventBeforeAnyCommand) {
    QFile::remove(CommLog::path());
    context.link.setCommLogging(true);
    ASSERT_TRUE(sequence.reconnect());
    context.link.setCommLogging(false);
    const QStringList lines = readCrLfLines(CommLog::path());
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[3].endsWith(" - New Init")) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].endsWith(" - S: ATZ")) << lines[4].toStdString();
}

// Without the simulated vehicle nothing answers and nothing opens.
struct NoVehicle : DemoConnection {
    void SetUp() override {
        DemoConnection::SetUp();
        context.link.setDemoMode(false);
    }
};

TEST_F(NoVehicle, StoredPortMissingShowsItsWholeName) {
    const QString port = context.comPort->portName();
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(), QStringList({"Port: " + port + " could not be opened!",
                                         "Interface is not responding"}));
    EXPECT_EQ(view.marks(), QStringList({"ERR", "ERR"}));
    EXPECT_EQ(view.comLabel, "COM?");
    EXPECT_EQ(view.interfaceLabel, "Interface: Error");
    EXPECT_FALSE(view.comLed || view.elmLed || view.ecuLed);
    EXPECT_TRUE(context.connection.noCommunication());
}

TEST_F(NoVehicle, AutoDetectionWithoutAnyPortSaysSo) {
    context.autoDetect = true;
    context.serialPortNames.clear();
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(), QStringList({"No serial port found", "Interface is not responding"}));
    EXPECT_EQ(view.marks(), QStringList({"ERR", "ERR"}));
    EXPECT_EQ(view.comLabel, "COM?");
}

TEST_F(NoVehicle, AutoDetectionReportsEveryPortThatDoesNotOpen) {
    context.autoDetect = true;
    const QString dir = test_env::freshDir("twomissing");
    context.serialPortNames = {dir + "/ttyS0", dir + "/ttyS1"};
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(), QStringList({"Port: " + dir + "/ttyS0 could not be opened!",
                                         "Port: " + dir + "/ttyS1 could not be opened!",
                                         "Interface is not responding"}));
}

TEST_F(NoVehicle, DisconnectWithoutConnectionSendsNothingAndStillReports) {
    sequence.disconnect();
    EXPECT_EQ(view.lines.size(), 3);
    EXPECT_TRUE(context.connection.noCommunication());
}

} // namespace
