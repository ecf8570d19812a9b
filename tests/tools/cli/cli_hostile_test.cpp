// The tool against what it cannot trust: an interface that sends terminal control sequences,
// and a communication log that cannot be written.

#include "tools/elmsim/pty_elm.h"

#include "tests/support/hostile_vehicle.h"
#include "tests/support/test_environment.h"
#include "tests/tools/cli/cli_harness.h"

#include <QFile>
#include <QProcess>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

bool hasControlCharacters(const QString& text) {
    for (QChar c : text)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) ||
            (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            return true;
    return false;
}

struct HostileCli : CliTest {
    std::unique_ptr<PtyElm> elm;

    QString serveHostile() {
        PtyElm::Config config;
        config.vehicle = [] { return std::make_unique<HostileVehicle>(); };
        elm = std::make_unique<PtyElm>(config);
        elm->start();
        return elm->slavePath();
    }
};

TEST_F(HostileCli, AnswersReachTheTerminalWithTheirControlCharactersShown) {
    const QString port = serveHostile();
    const CliRun raw = runTool({"--port", port, "raw", "010C"});
    ASSERT_EQ(raw.code, 0) << raw.err.toStdString();
    // raw prints the line as the interface sent it: blanks kept, controls written out.
    EXPECT_EQ(raw.outLines(), QStringList{R"(41 0C \x1B]0;owned\x07\x1B[2J\x9B)"});

    const CliRun vin = runTool({"--port", port, "--log", "vin"});
    ASSERT_EQ(vin.code, 0) << vin.err.toStdString();
    EXPECT_EQ(vin.outLines().first(), "VIN: " + HostileVehicle::shownVin());
    EXPECT_EQ(vin.outLines()[1], "CID: " + HostileVehicle::shownFirstCalibrationId());

    const QJsonObject json = runTool({"--port", port, "--json", "vin"}).json();
    EXPECT_EQ(json["vin"].toString(), HostileVehicle::shownVin());

    for (const CliRun* run : {&raw, &vin}) {
        EXPECT_FALSE(hasControlCharacters(run->out)) << run->out.toStdString();
        EXPECT_FALSE(hasControlCharacters(run->err)) << run->err.toStdString();
    }
}

// A cut or garbled answer is no result: no invented code, no VIN fragment, and a garbled sample
// is one "Error" of a watch that goes on.
TEST_F(HostileCli, CutAndGarbledAnswersAreNotReadAndAWatchGoesOn) {
    PtyElm::Config config;
    config.vehicle = [] { return std::make_unique<GarblingVehicle>(); };
    elm = std::make_unique<PtyElm>(config);
    elm->start();
    const QString port = elm->slavePath();

    const CliRun dtc = runTool({"--port", port, "dtc"});
    EXPECT_EQ(dtc.code, 1) << dtc.out.toStdString();
    EXPECT_TRUE(dtc.err.contains("stored codes: no valid answer to 03")) << dtc.err.toStdString();
    EXPECT_EQ(dtc.outLines().mid(0, 3),
              QStringList({"Stored DTCs:", "Trouble codes could not be read", "Pending DTCs:"}));

    const CliRun vin = runTool({"--port", port, "vin"});
    EXPECT_EQ(vin.code, 1);
    EXPECT_EQ(vin.outLines().value(0), "VIN: N/A");

    const CliRun watch = runTool({"--port", port, "watch", "0C", "--count", "3"});
    EXPECT_EQ(watch.code, 1) << watch.err.toStdString();
    const QStringList lines = watch.outLines();
    ASSERT_EQ(lines.size(), 4) << watch.out.toStdString();
    for (const QString& line : lines.mid(1))
        EXPECT_TRUE(line.endsWith("\tError")) << line.toStdString();
}

TEST_F(HostileCli, ALogThatCannotBeWrittenIsToldOnceAndTheResultStands) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // A full disk under the log. Run as a process of its own: the fault this guards against was
    // an abort of the whole program.
    const QString data = test_env::freshDir("cli-full-disk");
    ASSERT_TRUE(QFile::link("/dev/full", data + "/LogFile.txt"));
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUORVANE_DATA", data);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(QUORVANE_CLI_PATH), {"--demo", "--log", "vin"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 0);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_TRUE(out.startsWith("VIN: 1G1JC5444R7252367\n")) << out.toStdString();
    EXPECT_EQ(err.count("Cannot write the communication log"), 1) << err.toStdString();
    // The stage lines still come, as --log promises.
    EXPECT_TRUE(err.contains("OK   ")) << err.toStdString();
}

// An interface that never sends its prompt but keeps one byte coming every quarter second, so
// that no exchange ever falls silent on its own.
class TricklingInterface {
public:
    TricklingInterface() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        char name[128];
        if (::ptsname_r(m_master, name, sizeof name) != 0)
            return;
        m_slavePath = QString::fromLocal8Bit(name);
        termios tio{};
        ::tcgetattr(m_master, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_master, TCSANOW, &tio);
        m_thread = std::thread([this] {
            while (!m_stop) {
                [[maybe_unused]] const ssize_t n = ::write(m_master, "x", 1);
                char sink[256];
                while (::read(m_master, sink, sizeof sink) > 0) {
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
            }
        });
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~TricklingInterface() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_master >= 0)
            ::close(m_master);
    }
    QString slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    QString m_slavePath;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Ctrl-C and a service manager's stop end the tool in the middle of an exchange: the log still
// gets its closing lines, and the exit code tells the shell which signal ended it.
TEST_F(HostileCli, SignalsEndAConnectToATricklingInterfaceAndCloseTheLog) {
    TricklingInterface interface;
    ASSERT_FALSE(interface.slavePath().isEmpty());
    for (const auto& [signal, code] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        const QString data = test_env::freshDir("cli-signal");
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORVANE_DATA", data);
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(QUORVANE_CLI_PATH),
                   {"--port", interface.slavePath(), "--log", "connect"});
        ASSERT_TRUE(tool.waitForStarted());
        // Well into the first exchange, which the trickle keeps alive.
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        ::kill(pid_t(tool.processId()), signal);
        // Without the stop this ran for minutes; the limit only keeps a failure from hanging.
        ASSERT_TRUE(tool.waitForFinished(20000)) << "signal " << signal;
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), code);
        QFile log(data + "/LogFile.txt");
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n');
        ASSERT_GE(lines.size(), 3);
        EXPECT_TRUE(lines[lines.size() - 3].endsWith(" - Programm terminated\r"))
            << lines[lines.size() - 3].toStdString();
    }
}

} // namespace
