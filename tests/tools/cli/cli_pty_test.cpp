// The commands through a real serial channel: the emulated interface on a pseudo-terminal.

#include "tools/elmsim/pty_elm.h"

#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"
#include "tests/tools/cli/cli_harness.h"

#include <QJsonArray>
#include <memory>

namespace {

struct PtyCli : CliTest {
    std::unique_ptr<PtyElm> elm;

    QString serve(const QString& profile = QStringLiteral("demo"), int muteAfter = -1) {
        PtyElm::Config config;
        config.profile = profile;
        config.emulator.muteAfter = muteAfter;
        elm = std::make_unique<PtyElm>(config);
        elm->start();
        return elm->slavePath();
    }
};

TEST_F(PtyCli, ConnectStatusAndVinLikeTheSimulatedVehicle) {
    const QString port = serve();
    const CliRun connect = runTool({"--port", port, "connect"});
    ASSERT_EQ(connect.code, 0) << connect.err.toStdString();
    ASSERT_EQ(connect.outLines().size(), 15);
    EXPECT_EQ(connect.outLines()[0], "OK   Port: " + port + " ready");

    const CliRun status = runTool({"--port", port, "status"});
    ASSERT_EQ(status.code, 0);
    EXPECT_EQ(status.outLines().mid(0, 2), QStringList({"MIL Status: On", "Stored DTCs: 9"}));

    const QJsonObject vin = runTool({"--port", port, "--json", "vin"}).json();
    EXPECT_EQ(vin["vin"].toString(), "1G1JC5444R7252367");
}

TEST_F(PtyCli, DtcFreezeAndOxygenTestsOfTheFullVehicle) {
    const QString port = serve("full");
    const QJsonObject dtc = runTool({"--port", port, "--json", "dtc"}).json();
    EXPECT_FALSE(dtc["stored"].toArray().isEmpty());

    const CliRun freeze = runTool({"--port", port, "--json", "freeze"});
    ASSERT_EQ(freeze.code, 0) << freeze.err.toStdString();
    const QJsonObject frame = freeze.json();
    ASSERT_EQ(frame["codes"].toArray().size(), 1);
    EXPECT_NE(frame["codes"].toArray()[0].toObject()["code"].toString(), "P0000");
    EXPECT_FALSE(frame["values"].toArray().isEmpty());

    const QJsonObject o2 = runTool({"--port", port, "--json", "o2", "1"}).json();
    int answered = 0;
    for (const QJsonValue& test : o2["tests"].toArray())
        answered += test.toObject()["answered"].toBool() ? 1 : 0;
    EXPECT_GT(answered, 0);
}

TEST_F(PtyCli, ClearWithoutYesSendsNothingAtAll) {
    const QString port = serve("full");
    const CliRun refused = runTool({"--port", port, "clear"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(elm->requestCount(), 0);

    const CliRun cleared = runTool({"--port", port, "clear", "--yes"});
    EXPECT_EQ(cleared.code, 0) << cleared.err.toStdString();
    EXPECT_GT(elm->requestCount(), 0);
    const QJsonObject after = runTool({"--port", port, "--json", "status"}).json();
    EXPECT_EQ(after["storedCodeCount"].toInt(), 0);
    EXPECT_FALSE(after["mil"].toBool());
}

TEST_F(PtyCli, SilentInterfaceEndsWithExitOneAndTheStagesOnStandardError) {
    const QString port = serve("demo", 0);
    const CliRun run = runTool({"--port", port, "vin"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.errLines(),
              QStringList({"OK   Port: " + port + " ready", "ERR  response from interface: Error",
                           "ERR  Interface is not responding"}));
}

TEST_F(PtyCli, MissingPortEndsWithExitOne) {
    const QString missing = test_env::freshDir("cli-noport") + "/ttyUSB7";
    const CliRun run = runTool({"--port", missing, "--json", "connect"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.errLines().first(), "ERR  Port: " + missing + " could not be opened!");
    const QJsonObject json = run.json();
    EXPECT_FALSE(json["connected"].toBool());
    EXPECT_EQ(json["stages"].toArray().size(), 2);
}

} // namespace
