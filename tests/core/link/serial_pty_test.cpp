// The real serial path: the program's channel on the slave side of a pseudo-terminal, the
// emulated interface on the master side.

#include "core/link/answer_text.h"
#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "core/link/serial_port_error.h"
#include "core/link/simulated_vehicle.h"
#include "core/link/stop_signal.h"
#include "tools/elmsim/pty_elm.h"

#include "tests/support/qt_printers.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

struct OnPty : testing::Test {
    std::unique_ptr<PtyElm> elm;
    SerialPort port;
    ElmExchange link{&port};

    void serve(PtyElm::Config config = {}) {
        elm = std::make_unique<PtyElm>(config);
        elm->start();
        port.setPortName(elm->slavePath());
        // The emulator understands a paced line only at its own speed.
        if (config.baud > 0)
            port.setBaudRate(config.baud);
        port.open();
    }
};

TEST_F(OnPty, ConnectsLikeTheConnectionSequence) {
    serve();
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(link.exchange("ATZ"), "ELM323 v2.0"); // echo on after a reset, and left out
    EXPECT_EQ(elmEcho(link, false), "OK");
    EXPECT_EQ(elmLinefeeds(link, false), "OK");
    EXPECT_EQ(elmIdentify(link), "ELM323 v2.0");
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
    EXPECT_EQ(link.exchange("0120"), "NO DATA");
    EXPECT_EQ(link.exchange("ATXYZ"), "?");
    // The vehicle is the simulated one, answer for answer.
    for (const char* request : {"0101", "0902", "0904", "0906", "03", "07"})
        EXPECT_EQ(link.exchange(request),
                  answer_text::fromSimulation(simulated_vehicle::answerNow(request)))
            << request;
}

TEST_F(OnPty, LineFeedsAndEchoAreCleanedAway) {
    serve();
    EXPECT_EQ(link.exchange("ATL1"), "OK"); // echo still on, and left out
    EXPECT_EQ(link.exchange("ATE0"), "OK"); // also when the echoed CR came with a LF
    EXPECT_EQ(link.exchange("0101"), "410189076D00");
}

TEST_F(OnPty, SlowLineAndSlowVehicleStillGiveTheWholeAnswer) {
    PtyElm::Config config;
    config.baud = 9600;
    config.latencyMs = 200;
    serve(config);
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
}

// The adapter pulled out: the exchange that meets it tells its owner at once, and the error itself
// still ends the action.
TEST_F(OnPty, ALostDeviceIsReportedAndEndsTheConnection) {
    serve();
    QStringList reported;
    link.setDeviceLostHandler([&reported](const QString& reason) { reported << reason; });
    EXPECT_EQ(elmEcho(link, false), "OK");
    elm->closeMaster();
    EXPECT_THROW(link.exchange("0101"), SerialPortError);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains(port.portName())) << reported[0].toStdString();

    // A port that is not open was never a device that could get lost.
    port.close();
    EXPECT_THROW(link.exchange("0101"), SerialPortError);
    EXPECT_EQ(reported.size(), 1);
}

TEST_F(OnPty, SilenceGivesTheSentinelAfterTheSilenceTimeout) {
    PtyElm::Config config;
    config.emulator.muteAfter = 1;
    serve(config);
    EXPECT_EQ(elmEcho(link, false), "OK");
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(link.exchange("0100"), std::nullopt);
    EXPECT_GE(timer.elapsed(), ElmExchange::kSilenceTimeoutMs - 50);
    EXPECT_LT(timer.elapsed(), ElmExchange::kSilenceTimeoutMs + 1500);
}

TEST_F(OnPty, AnswerWithoutPromptIsTheSentinel) {
    PtyElm::Config config;
    config.emulator.prompt = false;
    serve(config);
    link.setSilenceTimeout(300);
    EXPECT_EQ(link.exchange("ATE0"), std::nullopt);
}

TEST_F(OnPty, PulledCableMidAnswerIsReportedAsAPortError) {
    PtyElm::Config config;
    config.baud = 300; // about 33 ms a byte: the answer is still arriving when we pull
    serve(config);
    auto pending = std::async(std::launch::async, [&] { return link.exchange("0100"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    QElapsedTimer timer;
    timer.start();
    elm->closeMaster();
    EXPECT_THROW(pending.get(), SerialPortError);
    EXPECT_LT(timer.elapsed(), 2000);
    // The channel is still "open" from the program's view until the sequence closes it; every
    // further use fails the same way instead of hanging.
    EXPECT_THROW(link.exchange("0100"), SerialPortError);
    port.close();
    EXPECT_FALSE(port.isOpen());
}

TEST_F(OnPty, OpenIsExclusiveAndRenamingReopens) {
    serve();
    SerialPort second;
    second.setPortName(elm->slavePath());
    try {
        second.open();
        FAIL() << "a second open succeeded";
    } catch (const SerialPortError& e) {
        EXPECT_TRUE(e.message().contains("in use")) << e.what();
    }
    PtyElm other({});
    other.start();
    port.setPortName(other.slavePath()); // open: closed and reopened under the new name
    EXPECT_TRUE(port.isOpen());
    EXPECT_NO_THROW(second.open()); // the first device is free again
    EXPECT_EQ(link.exchange("ATI"), "ELM323 v2.0");
}

TEST_F(OnPty, StopEndsAnyWaitAndTheStoppedAnswerNeverReachesTheNextOne) {
    PtyElm::Config config;
    config.baud = 300; // about 33 ms a byte: the answer is still arriving when the stop comes
    serve(config);
    StopSignal stop;
    link.setStopSignal(&stop);
    link.setSilenceTimeout(3'600'000); // only the prompt or the stop can end a read
    auto pending = std::async(std::launch::async, [&] { return link.exchange("0100"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    stop.request();
    EXPECT_EQ(pending.get(), std::nullopt);

    stop.reset();
    EXPECT_EQ(link.exchange("ATI"), "ELM323 v2.0");
}

TEST_F(OnPty, StopEndsTheWaitOnASilentInterface) {
    PtyElm::Config config;
    config.emulator.muteAfter = 0;
    serve(config);
    StopSignal stop;
    link.setStopSignal(&stop);
    link.setSilenceTimeout(3'600'000);
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stop.request();
    });
    EXPECT_EQ(link.exchange("0100"), std::nullopt);
    stopper.join();
}

TEST_F(OnPty, ATimeLimitEndsAnExchangeThatNeverSeesItsPrompt) {
    PtyElm::Config config;
    config.emulator.prompt = false; // answers, but never says it has finished
    serve(config);
    link.setSilenceTimeout(3'600'000); // only the limit can end these reads
    link.setExchangeTimeLimit(50);
    EXPECT_EQ(link.exchange("ATE0"), std::nullopt);
    EXPECT_EQ(link.exchange("0100"), std::nullopt);
}

TEST(PacedLine, SixHundredByteAnswerArrivingByteByByteIsReadWhole) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    SerialPort port;
    port.setPortName(QString::fromLocal8Bit(::ptsname(master)));
    port.open();
    ElmExchange link(&port);

    QByteArray answer;
    QString expected;
    while (answer.size() < 600) {
        answer += "41 00 BE 1F E8 11\r";
        expected += "4100BE1FE811";
    }
    answer += "\r>";
    std::thread interface([&] {
        char request[16];
        [[maybe_unused]] const ssize_t n = ::read(master, request, sizeof request);
        for (char byte : answer) {
            [[maybe_unused]] const ssize_t w = ::write(master, &byte, 1);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    EXPECT_EQ(link.exchange("0100"), expected);
    interface.join();
    port.close();
    ::close(master);
}

TEST(SerialPortErrors, AbsentDevicesAndClosedPortsFailWithTheirName) {
    SerialPort port;
    port.setPortName("/dev/does-not-exist");
    try {
        port.open();
        FAIL();
    } catch (const SerialPortError& e) {
        EXPECT_TRUE(e.message().contains("/dev/does-not-exist")) << e.what();
    }
    EXPECT_FALSE(port.isOpen());
    port.setPortName("/dev/null");
    EXPECT_THROW(port.open(), SerialPortError); // not a terminal
    EXPECT_THROW(port.write("ATZ\r"), SerialPortError);
    EXPECT_THROW(port.waitForData(10), SerialPortError);
    EXPECT_THROW(port.purge(), SerialPortError);
}

TEST(ElmsimProgram, PrintsItsDeviceAnswersAndEndsCleanlyOnSigterm) {
    const QString linkPath = QDir::tempPath() + "/quorvane-elmsim-test-link";
    QProcess elmsim;
    elmsim.start(QCoreApplication::applicationDirPath() + "/elmsim", {"--link", linkPath});
    ASSERT_TRUE(elmsim.waitForStarted());
    ASSERT_TRUE(elmsim.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(elmsim.readLine()).trimmed();
    EXPECT_TRUE(device.startsWith("/dev/pts/")) << device.toStdString();
    EXPECT_EQ(QFile::symLinkTarget(linkPath), device);

    SerialPort port;
    port.setPortName(linkPath);
    port.open();
    ElmExchange link(&port);
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(elmEcho(link, false), "OK");
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
    port.close();

    elmsim.terminate();
    ASSERT_TRUE(elmsim.waitForFinished(5000));
    EXPECT_EQ(elmsim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(elmsim.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(linkPath));
}

} // namespace
