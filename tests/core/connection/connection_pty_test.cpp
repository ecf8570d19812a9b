// The connection sequence through the serial channel: the emulated interface on pseudo-terminals,
// and a scripted line where the vehicle side has to misbehave.

#include "core/connection/connection_sequence.h"
#include "core/connection/program_context.h"
#include "core/link/com_port.h"
#include "core/link/serial_port.h"
#include "core/link/serial_port_error.h"
#include "core/link/simulated_vehicle.h"
#include "core/link/visible_text.h"
#include "tools/elmsim/pty_elm.h"

#include "tests/core/connection/connection_recording_view.h"
#include "tests/support/answering_channel.h"
#include "tests/support/hostile_vehicle.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct PtyConnection : testing::Test {
    ProgramContext context;
    RecordingConnectionView view;
    ConnectionSequence sequence{context, view};
    std::vector<std::unique_ptr<PtyElm>> elms;

    void SetUp() override {
        context.comPort = createComPort();
        context.link.setChannel(context.comPort.get());
        // A silent interface costs one short wait per command instead of 2.5 s.
        context.link.setSilenceTimeout(300);
    }

    QString serve(int muteAfter = -1) {
        PtyElm::Config config;
        config.emulator.muteAfter = muteAfter;
        elms.push_back(std::make_unique<PtyElm>(config));
        elms.back()->start();
        return elms.back()->slavePath();
    }
};

TEST_F(PtyConnection, ReachesEveryStageThroughTheSerialChannel) {
    const QString port = serve();
    context.comPort->setPortName(port);
    ASSERT_TRUE(sequence.initializeConnection());

    QStringList expected{"Port: " + port + " ready"};
    expected << elm323LinesAfterPort();
    EXPECT_EQ(view.texts(), expected);
    EXPECT_EQ(view.marks(), elm323Marks());
    EXPECT_EQ(view.interfaceLabel, "Interface: ELM323 v2.0");
    EXPECT_EQ(view.vin, "1G1JC5444R7252367");
    EXPECT_TRUE(context.comPort->isOpen());
    EXPECT_FALSE(context.connection.noCommunication());

    sequence.disconnect();
    EXPECT_FALSE(context.comPort->isOpen());
    EXPECT_EQ(view.lines.size(), 19);
}

TEST_F(PtyConnection, DisconnectWithTheAdapterPulledClosesAndEndsTheConnection) {
    context.comPort->setPortName(serve());
    ASSERT_TRUE(sequence.initializeConnection());
    elms.back()->closeMaster();
    EXPECT_NO_THROW(sequence.disconnect());
    EXPECT_FALSE(context.comPort->isOpen());
    EXPECT_TRUE(context.connection.noCommunication());
    EXPECT_FALSE(view.comLed || view.elmLed || view.ecuLed);
    EXPECT_NO_THROW(sequence.disconnect());
    EXPECT_EQ(view.lines.size(), 16 + 6);
}

// What a lost device leaves: the state of a Disconnect and one line saying why.
TEST_F(PtyConnection, LostConnectionShowsTheNotConnectedState) {
    context.comPort->setPortName(serve());
    ASSERT_TRUE(sequence.initializeConnection());
    const int requests = elms.back()->requestCount();
    sequence.connectionLost("The serial device went away");
    EXPECT_FALSE(context.comPort->isOpen());
    EXPECT_TRUE(context.connection.noCommunication());
    EXPECT_FALSE(view.comLed || view.elmLed || view.ecuLed);
    EXPECT_EQ(view.comLabel, context.comPort->portName());
    EXPECT_EQ(view.interfaceLabel, "Not connected");
    EXPECT_EQ(view.texts().last(), "Connection to the interface lost");
    EXPECT_EQ(view.marks().last(), "ERR");
    EXPECT_EQ(elms.back()->requestCount(), requests); // not a word to the device
}

TEST_F(PtyConnection, AutoDetectionStopsAtTheFirstPortWhoseInterfaceAnswers) {
    const QString silent = serve(0);
    const QString answering = serve();
    const QString spare = serve();
    context.autoDetect = true;
    context.serialPortNames = {silent, answering, spare};
    context.comPort->setPortName("/dev/stored-port-is-ignored");

    ASSERT_TRUE(sequence.initializeConnection());
    EXPECT_EQ(view.texts().mid(0, 4),
              QStringList({"Port: " + silent + " ready",
                           "The interface does not answer at any usual speed (tried 9600, 38400, "
                           "115200, 57600, 230400, 500000 baud)",
                           "Port: " + answering + " ready", "response from interface: OK"}));
    EXPECT_EQ(view.marks().mid(0, 4), QStringList({"OK", "ERR", "OK", "OK"}));
    EXPECT_EQ(view.lines.size(), 18);
    EXPECT_EQ(view.comLabel, answering);
    // The found port stays the channel's for the rest of the run.
    EXPECT_EQ(context.comPort->portName(), answering);
    EXPECT_EQ(elms[2]->requestCount(), 0);
}

// The interface falls silent after the baud-rate probe's ATI, or after the reset.
TEST_F(PtyConnection, InterfaceThatStopsAnsweringDuringTheSetUpIsNotResponding) {
    const QString early = serve(1);
    context.comPort->setPortName(early);
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(),
              QStringList({"Port: " + early + " ready", "response from interface: Error",
                           "The interface answers ATI but not its reset (ATZ)",
                           "Interface is not responding"}));
    EXPECT_FALSE(view.elmLed);

    const QString port = serve(2);
    context.comPort->setPortName(port);
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(), QStringList({"Port: " + port + " ready", "response from interface: OK",
                                         "Echo off: Error", "Interface is not responding"}));
    EXPECT_EQ(view.marks(), QStringList({"OK", "OK", "ERR", "ERR"}));
    EXPECT_TRUE(view.comLed && view.elmLed);
    EXPECT_FALSE(view.ecuLed);
    EXPECT_EQ(view.interfaceLabel, "Interface: Error");
    // A failed sequence leaves an opened channel open.
    EXPECT_TRUE(context.comPort->isOpen());
    EXPECT_TRUE(context.connection.noCommunication());
}

TEST_F(PtyConnection, ControlUnitThatNeverAnswersShowsTheFourthAnswer) {
    context.comPort->setPortName(serve());
    AnsweringChannel line;
    line.answer = [](const QByteArray& command) -> QByteArray {
        if (command == "ATZ" || command == "ATI")
            return "ELM323 v2.0";
        return command.startsWith("AT") ? "OK" : "NO DATA";
    };
    context.link.setChannel(&line);

    EXPECT_FALSE(sequence.initializeConnection());
    const QStringList texts = view.texts();
    ASSERT_EQ(texts.size(), 7) << texts.join('|').toStdString();
    EXPECT_EQ(texts[5], "Interface is ready");
    EXPECT_EQ(texts[6], "NO DATA");
    EXPECT_EQ(view.marks(), QStringList({"OK", "OK", "OK", "OK", "OK", "OK", "ERR"}));
    EXPECT_TRUE(view.elmLed);
    EXPECT_FALSE(view.ecuLed);
    EXPECT_EQ(line.written.count("0100\r"), 4);
    EXPECT_FALSE(view.monitorStatus.has_value());
    EXPECT_TRUE(context.connection.noCommunication());
}

TEST_F(PtyConnection, DeviceErrorMidwayLeavesNoConnectionBehind) {
    context.comPort->setPortName(serve());
    AnsweringChannel line;
    bool unplugged = false;
    line.answer = [&](const QByteArray& command) -> QByteArray {
        if (unplugged && command == "0902")
            throw SerialPortError("device gone");
        if (command == "ATZ" || command == "ATI")
            return "ELM323 v2.0";
        if (command.startsWith("AT"))
            return "OK";
        return simulated_vehicle::answerNow(QString::fromLatin1(command)).toLatin1();
    };
    context.link.setChannel(&line);
    ASSERT_TRUE(sequence.initializeConnection());
    ASSERT_FALSE(context.connection.noCommunication());

    unplugged = true;
    EXPECT_THROW(sequence.initializeConnection(), SerialPortError);
    EXPECT_TRUE(context.connection.noCommunication());
}

TEST_F(PtyConnection, WhatAHostileInterfaceSendsIsShownAndLoggedVisibly) {
    PtyElm::Config config;
    config.vehicle = [] { return std::make_unique<HostileVehicle>(); };
    elms.push_back(std::make_unique<PtyElm>(config));
    elms.back()->start();
    context.comPort->setPortName(elms.back()->slavePath());
    QFile::remove(CommLog::path());
    context.link.setCommLogging(true);
    ASSERT_TRUE(sequence.initializeConnection());
    const QString rawAnswer = context.link.exchange("010C").value_or("");
    context.link.setCommLogging(false);

    // What the start page and the report show.
    EXPECT_EQ(view.vin, HostileVehicle::shownVin());
    ASSERT_FALSE(view.cids.isEmpty());
    EXPECT_EQ(view.cids.first(), HostileVehicle::shownFirstCalibrationId());
    EXPECT_EQ(visibleText(rawAnswer), HostileVehicle::shownEngineSpeed());

    // The communication log holds no control character but its line ends.
    QFile log(CommLog::path());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    for (char c : bytes)
        ASSERT_TRUE(c == '\r' || c == '\n' || uchar(c) >= 0x20) << int(c);
    EXPECT_TRUE(bytes.contains(" - R: " + HostileVehicle::shownEngineSpeed().toUtf8() + "\r\n"));
    QFile::remove(CommLog::path());
}

} // namespace
