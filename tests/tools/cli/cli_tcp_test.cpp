// The command-line tool with a network adapter: the emulated interface on a loopback TCP port,
// in this process and as `elmsim --tcp`.

#include "tools/elmsim/tcp_elm.h"

#include "tests/support/qt_printers.h"
#include "tests/tools/cli/cli_harness.h"
#include "tests/tools/cli/tool_processes.h"

#include <QJsonArray>
#include <memory>

namespace {

struct TcpCli : CliTest {
    std::unique_ptr<TcpElm> elm;

    QString serve(const QString& profile = QStringLiteral("demo")) {
        TcpElm::Config config;
        config.profile = profile;
        elm = std::make_unique<TcpElm>(config, 0);
        elm->start();
        return elm->address();
    }
};

TEST_F(TcpCli, CommandsWorkAsThroughASerialDeviceAlsoWithTheTypedForm) {
    const QString port = serve("full");
    const CliRun connect = runTool({"--port", port, "connect"});
    ASSERT_EQ(connect.code, 0) << connect.err.toStdString();
    ASSERT_EQ(connect.outLines().size(), 16); // with the ELM323's units not told apart
    EXPECT_EQ(connect.outLines()[0], "OK   Port: " + port + " ready");

    // "127.0.0.1:PORT" as typed into the port box means the same adapter.
    const QString typed = port.mid(QStringLiteral("tcp://").size());
    const QJsonObject vin = runTool({"--port", typed, "--json", "vin"}).json();
    EXPECT_EQ(vin["vin"].toString(), "1G1JC5444R7252367");

    const QJsonObject dtc = runTool({"--port", port, "--json", "dtc"}).json();
    EXPECT_FALSE(dtc["stored"].toArray().isEmpty());
    EXPECT_EQ(elm->clientCount(), 3);
}

TEST_F(TcpCli, RefusedAdapterEndsWithExitOneAndTheReason) {
    const QString port = serve();
    elm.reset();
    const CliRun run = runTool({"--port", port, "connect"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.errLines().mid(0, 2),
              QStringList({"ERR  Port: " + port + " could not be opened!",
                           "ERR  " + port +
                               " refused the connection: is the adapter switched "
                               "on, and is this its port?"}));
}

// The closing check of the feature as a user runs it: both chips, each profile.
TEST(TcpCliProcesses, ElmsimOnATcpPortGivesTheFifteenLinesForEveryChipAndProfile) {
    for (const QStringList& arguments :
         {QStringList{"--tcp", "0"}, QStringList{"--tcp", "0", "--profile", "full"},
          QStringList{"--tcp", "0", "--chip", "elm327"},
          QStringList{"--tcp", "0", "--chip", "elm327", "--profile", "full"},
          QStringList{"--tcp", "0", "--profile", "modern"},
          QStringList{"--tcp", "0", "--profile", "diesel", "--units", "2"}}) {
        ElmsimProcess elmsim(arguments);
        ASSERT_TRUE(elmsim.device().startsWith("tcp://127.0.0.1:"))
            << elmsim.device().toStdString();
        const ToolRun connect = runCliProcess(elmsim.device(), QStringLiteral("connect"));
        const QString shown = arguments.join(' ') + ": " + connect.lines.join('|');
        EXPECT_EQ(connect.code, 0) << shown.toStdString();
        // The ELM327 adds its two protocol lines to the fifteen; the emulated ELM323, which
        // prints no headers, the line that its control units are not told apart.
        const bool elm327 = arguments.contains("elm327") || arguments.contains("modern") ||
                            arguments.contains("diesel");
        EXPECT_EQ(connect.lines.size(), elm327 ? 17 : 16) << shown.toStdString();
        EXPECT_TRUE(connect.lines.contains("OK   Mode 09 Init, Vehicle Information"))
            << shown.toStdString();
    }
}

} // namespace
