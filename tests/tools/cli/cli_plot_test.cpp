// The plot command: the viewer's picture of a recorded log, drawn without a window.

#include "tests/support/test_environment.h"
#include "tests/tools/cli/cli_harness.h"

#include <QFile>
#include <QImage>
#include <QProcess>

namespace {

QString writeLog(const QString& dir) {
    const QString path = dir + "/drive.csv";
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "\"Time\",\"Engine RPM\",\"Vehicle Speed\",\"Catalyst Temperature Bank 1, Sensor 1\"\r\n"
        "\"23:59:59\",\"800 rpm\",\"0 km/h\",\"400 \xC2\xB0"
        "C\"\r\n"
        "\"00:00:00\",\"Error\",\"5 km/h\",\"401 \xC2\xB0"
        "C\"\r\n"
        "\"00:00:01\",\"1500 rpm\",\"9 km/h\",\"402 \xC2\xB0"
        "C\"\r\n");
    return path;
}

using PlotCli = CliTest;

TEST_F(PlotCli, BadRequestsExitTwoWithTheReason) {
    const QString dir = test_env::freshDir("cli-plot-bad");
    const QString log = writeLog(dir);
    QFile notCsv(dir + "/photo.csv");
    ASSERT_TRUE(notCsv.open(QIODevice::WriteOnly));
    notCsv.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    notCsv.close();
    const struct {
        QStringList args;
        const char* reason;
    } cases[] = {
        {{"plot", dir + "/none.csv", "--png", dir + "/a.png"}, "No such file"},
        {{"plot", notCsv.fileName(), "--png", dir + "/a.png"}, "names no columns"},
        {{"plot", log, "--columns", "0C,44", "--png", dir + "/a.png"}, "no column 44"},
        {{"plot", log}, "needs --png FILE or --svg FILE"},
        {{"plot", log, "--png", dir + "/a.png", "--size", "5x5"}, "--size needs"},
        {{"--demo", "plot", log, "--png", dir + "/a.png"},
         "--demo does not apply to the command plot"},
    };
    for (const auto& c : cases) {
        const CliRun run = runTool(c.args);
        EXPECT_EQ(run.code, 2) << c.reason;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.reason))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir + "/a.png"));
    }
}

TEST_F(PlotCli, ToolWritesPictureOfTheRequestedSize) {
    const QString dir = test_env::freshDir("cli-plot");
    QProcess tool;
    tool.start(QStringLiteral(QUORVANE_CLI_PATH),
               {"--lang", "en", "plot", writeLog(dir), "--columns",
                "0C,Catalyst Temperature Bank 1, Sensor 1", "--png", dir + "/p.png", "--svg",
                dir + "/p.svg", "--size", "640x480"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(dir + "/p.png").size(), QSize(640, 480));
    QFile svg(dir + "/p.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("Engine RPM (rpm)"));
    EXPECT_TRUE(text.contains("Catalyst Temperature Bank 1, Sensor 1"));
    EXPECT_FALSE(text.contains("Vehicle Speed"));
}

} // namespace
