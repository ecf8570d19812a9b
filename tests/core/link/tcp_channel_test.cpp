// Network adapters: the program's port with a "tcp://HOST:PORT" name, the emulated interface on a
// TCP port of the loopback address, and the failures a WiFi adapter brings with it.

#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/network_address.h"
#include "core/link/serial_port.h"
#include "core/link/serial_port_error.h"
#include "core/link/stop_signal.h"
#include "core/link/tcp_channel.h"
#include "tools/elmsim/tcp_elm.h"

#include "tests/support/qt_printers.h"

#include <QCoreApplication>
#include <QProcess>
#include <arpa/inet.h>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The message of the SerialPortError that fn throws; empty when it throws none.
template <typename Fn>
QString portError(Fn&& fn) {
    try {
        fn();
    } catch (const SerialPortError& e) {
        return e.message();
    }
    return {};
}

// A loopback port that nobody listens on: taken from the system, then given back.
int closedPort() {
    TcpElm elm({}, 0);
    return elm.port();
}

TEST(NetworkAddress, ReadsTheNetworkFormAndNothingElse) {
    const auto v4 = network_address::parse("tcp://192.168.0.10:35000");
    ASSERT_TRUE(v4.has_value());
    EXPECT_EQ(v4->host, "192.168.0.10");
    EXPECT_EQ(v4->port, 35000);
    const auto v6 = network_address::parse(" TCP://[::1]:23 ");
    ASSERT_TRUE(v6.has_value());
    EXPECT_EQ(v6->host, "::1");
    EXPECT_EQ(v6->port, 23);
    EXPECT_EQ(network_address::parse("tcp://wifi-obd.local:35000")->host, "wifi-obd.local");

    for (const char* bad : {"tcp://host", "tcp://host:", "tcp://:35000", "tcp://host:0",
                            "tcp://host:65536", "tcp://host:123456", "tcp://a b:1",
                            "tcp://host:35000/x", "tcp://[zz]:1", "/dev/ttyUSB0", "COM1"})
        EXPECT_FALSE(network_address::parse(bad).has_value()) << bad;
    // Malformed network names are still network names: never opened as a device path.
    EXPECT_TRUE(network_address::isNetworkPort("tcp://host"));
    EXPECT_FALSE(network_address::isNetworkPort("/dev/rfcomm0"));
}

TEST(NetworkAddress, TypedHostAndPortBecomesTheNetworkForm) {
    EXPECT_EQ(network_address::normalizedPortName(" 192.168.0.10:35000 "),
              "tcp://192.168.0.10:35000");
    EXPECT_EQ(network_address::normalizedPortName("localhost:35000"), "tcp://localhost:35000");
    EXPECT_EQ(network_address::normalizedPortName("[fe80::1]:35000"), "tcp://[fe80::1]:35000");
    for (const char* unchanged : {"tcp://192.168.0.10:35000", "/dev/ttyUSB0", "/tmp/elm:1", "COM1",
                                  "host:notaport", "host:0", ""})
        EXPECT_EQ(network_address::normalizedPortName(unchanged), QString(unchanged).trimmed());
}

struct OnTcp : testing::Test {
    std::unique_ptr<TcpElm> elm;
    SerialPort port;
    ElmExchange link{&port};

    void serve(TcpElm::Config config = {}) {
        elm = std::make_unique<TcpElm>(config, 0);
        elm->start();
        port.setPortName(elm->address());
        port.open();
    }
};

TEST_F(OnTcp, BothChipsAnswerThroughThePortAsOnAPseudoTerminal) {
    serve();
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(elmEcho(link, false), "OK");
    EXPECT_EQ(elmLinefeeds(link, false), "OK");
    EXPECT_EQ(elmIdentify(link), "ELM323 v2.0");
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
    EXPECT_EQ(link.exchange("0120"), "NO DATA");

    TcpElm::Config can;
    can.elm327 = true;
    can.profile = "full";
    serve(can);
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(elmEcho(link, false), "OK");
    EXPECT_EQ(elmIdentify(link), "ELM327 v1.5");
}

TEST_F(OnTcp, LineSettingsOfTheStoreDoNotApplyToANetworkAdapter) {
    LineSettings odd;
    odd.baudRate = 110;
    odd.dataBits = 5;
    odd.parity = LineSettings::Parity::Mark;
    odd.stopBits = LineSettings::StopBits::Two;
    odd.flowControl = LineSettings::FlowControl::Hardware;
    port.setLineSettings(odd);
    serve();
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(port.lineSettings().baudRate, 110); // kept for the store, unused on the socket
}

TEST_F(OnTcp, PurgeDrainsWhatArrivedAndTheNextAnswerIsClean) {
    serve();
    ASSERT_EQ(elmEcho(link, false), "OK");
    port.write("0100\r");
    // The whole answer with its prompt is pending, unread.
    QByteArray seen;
    while (!seen.contains('>') && port.waitForData(2000))
        seen += port.read(1);
    port.write("ATI\r");
    ASSERT_TRUE(port.waitForData(2000));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GT(port.receivedCount(), 0);
    port.purge();
    EXPECT_EQ(port.receivedCount(), 0);
    EXPECT_FALSE(port.waitForData(50));
    EXPECT_EQ(link.exchange("0101"), "410189076D00");
}

TEST_F(OnTcp, DroppedConnectionMidAnswerIsAPortErrorAndStaysOne) {
    TcpElm::Config config;
    config.baud = 300; // about 33 ms a byte: the answer is still arriving when the link drops
    serve(config);
    auto pending = std::async(std::launch::async, [&] { return link.exchange("0100"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    elm->dropClient();
    try {
        pending.get();
        FAIL() << "the exchange over a dropped connection returned";
    } catch (const SerialPortError& e) {
        EXPECT_EQ(e.message(), "The connection to " + elm->address() + " was dropped");
    }
    // Every further use fails the same way instead of hanging or killing the program (SIGPIPE).
    EXPECT_FALSE(portError([&] { link.exchange("0100"); }).isEmpty());
    EXPECT_FALSE(portError([&] { port.write("0100\r"); }).isEmpty());
    EXPECT_FALSE(portError([&] { port.purge(); }).isEmpty());
    port.close();
    EXPECT_FALSE(port.isOpen());

    // The adapter takes the next client.
    port.open();
    EXPECT_EQ(link.exchange("ATI"), "ELM323 v2.0");
    EXPECT_EQ(elm->clientCount(), 2);
}

TEST_F(OnTcp, ConnectionDroppedBetweenCommandsIsFoundByTheNextOne) {
    serve();
    ASSERT_EQ(elmReset(link), "OK");
    elm->dropClient();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(portError([&] { link.exchange("0100"); }).contains("was dropped"));
}

TEST(TcpFailures, RefusedUnknownAndMalformedAddressesSaySo) {
    SerialPort port;
    const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(closedPort());
    port.setPortName(refused);
    EXPECT_EQ(portError([&] { port.open(); }),
              refused + " refused the connection: is the adapter switched on, and is this its "
                        "port?");
    EXPECT_FALSE(port.isOpen());

    port.setPortName("tcp://no-such-adapter.invalid:35000");
    EXPECT_EQ(portError([&] { port.open(); }), "The host name no-such-adapter.invalid is unknown");
    EXPECT_FALSE(port.isOpen());

    port.setPortName("tcp://192.168.0.10");
    EXPECT_EQ(portError([&] { port.open(); }),
              "tcp://192.168.0.10 is not a network address of the form tcp://HOST:PORT");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(portError([&] { port.write("ATZ\r"); }).isEmpty());
    EXPECT_FALSE(portError([&] { port.waitForData(10); }).isEmpty());
}

// A loopback listener that accepts nobody, with its queue filled: a further connect waits for an
// answer that does not come, as to an adapter that is switched off in a network that drops.
struct DeafListener {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::vector<int> queued;
    int port = 0;
    DeafListener() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(fd, 0);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        for (int i = 0; i < 4; ++i) {
            const int client = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            ::connect(client, reinterpret_cast<sockaddr*>(&address), length);
            queued.push_back(client);
        }
    }
    ~DeafListener() {
        for (int client : queued)
            ::close(client);
        ::close(fd);
    }
};

// The user's stop (Disconnect, closing the window, SIGTERM in the command-line tool) ends the
// lookup and the connect at once instead of after the connect time-out.
TEST(TcpFailures, AStopEndsTheConnectWait) {
    StopSignal stop;
    TcpElm elm({}, 0);
    elm.start();
    stop.request();
    TcpChannel reachable(QStringLiteral("tcp://127.0.0.1:%1").arg(elm.port()));
    EXPECT_EQ(portError([&] { reachable.open(&stop); }), "Connection stopped");
    EXPECT_FALSE(reachable.isOpen());

    stop.reset();
    DeafListener deaf;
    TcpChannel waiting(QStringLiteral("tcp://127.0.0.1:%1").arg(deaf.port));
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.request();
    });
    EXPECT_EQ(portError([&] { waiting.open(&stop); }), "Connection stopped");
    stopper.join();
}

TEST(TcpFailures, ARenamedOpenPortMovesFromTheNetworkToADeviceAndBack) {
    TcpElm first({}, 0);
    TcpElm second({}, 0);
    first.start();
    second.start();
    SerialPort port;
    ElmExchange link(&port);
    port.setPortName(first.address());
    port.open();
    EXPECT_EQ(elmReset(link), "OK");
    port.setPortName(second.address()); // open: closed and reopened under the new name
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(second.clientCount(), 1);
    EXPECT_THROW(port.setPortName("/dev/does-not-exist"), SerialPortError);
    EXPECT_FALSE(port.isOpen());
}

TEST(ElmsimProgram, ServesOnATcpPortAndEndsCleanlyOnSigterm) {
    QProcess elmsim;
    elmsim.start(QCoreApplication::applicationDirPath() + "/elmsim",
                 {"--tcp", "0", "--chip", "elm327", "--profile", "full"});
    ASSERT_TRUE(elmsim.waitForStarted());
    ASSERT_TRUE(elmsim.waitForReadyRead(5000));
    const QString address = QString::fromLocal8Bit(elmsim.readLine()).trimmed();
    EXPECT_TRUE(address.startsWith("tcp://127.0.0.1:")) << address.toStdString();

    SerialPort port;
    port.setPortName(address);
    port.open();
    ElmExchange link(&port);
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(elmEcho(link, false), "OK");
    EXPECT_EQ(elmIdentify(link), "ELM327 v1.5");
    port.close();

    elmsim.terminate();
    ASSERT_TRUE(elmsim.waitForFinished(5000));
    EXPECT_EQ(elmsim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(elmsim.exitCode(), 0);

    QProcess both;
    both.start(QCoreApplication::applicationDirPath() + "/elmsim",
               {"--tcp", "0", "--link", "/tmp/x"});
    ASSERT_TRUE(both.waitForFinished(5000));
    EXPECT_EQ(both.exitCode(), 2);
}

} // namespace
