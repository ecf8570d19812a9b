// The tool against what it cannot trust: an interface that sends terminal control sequences,
// and a communication log that cannot be written.

#include "tools/elmsim/pty_elm.h"

#include "tests/support/hostile_vehicle.h"
#include "tests/support/test_environment.h"
#include "tests/tools/cli/cli_harness.h"

#include <QFile>
#include <QProcess>
#include <memory>

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
    EXPECT_EQ(raw.outLines(), QStringList{HostileVehicle::shownEngineSpeed()});

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

} // namespace
