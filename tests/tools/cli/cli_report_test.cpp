// quorvane-cli report: its options, the document it writes for the simulated vehicle, the HTML
// and PDF beside it, and files that cannot be written.

#include "tests/support/file_size_limit.h"
#include "tests/support/not_a_file.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"
#include "tests/tools/cli/cli_harness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

using ReportCli = CliTest;

QStringList linesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

// The demo vehicle sends neither oxygen-sensor nor monitor tests: the sections its report misses,
// said so by exit 1 and one line each.
void expectOnlyTheDemosGapsNotRead(const CliRun& run) {
    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    EXPECT_EQ(run.errLines().filter("not read:"),
              QStringList({"quorvane-cli: not read: oxygen-sensor tests",
                           "quorvane-cli: not read: monitor tests"}));
}

TEST_F(ReportCli, OptionsAreCheckedBeforeAnyExchange) {
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--demo", "report"}, "report needs --out FILE.xml"},
        {{"--demo", "report", "--out", "r.xml", "--customer", "1", "--customer", "2", "--customer",
          "3", "--customer", "4", "--customer", "5"},
         "at most four --customer lines"},
        {{"--demo", "dtc", "--pdf", "r.pdf"}, "--pdf does not apply to the command dtc"},
        {{"--demo", "report", "--out"}, "--out needs a value"},
    };
    for (const auto& c : cases) {
        const CliRun run = runTool(c.arguments);
        EXPECT_EQ(run.code, 2) << c.message;
        EXPECT_EQ(run.errLines().value(0), QStringLiteral("quorvane-cli: ") + c.message);
    }
}

TEST_F(ReportCli, DemoReportHoldsTheVehicleTheCustomerAndTheCodes) {
    const QString dir = test_env::freshDir("cli-demo-report");
    const CliRun run =
        runTool({"--demo", "--json", "report", "--out", dir + "/r.xml", "--html", dir + "/r.html",
                 "--customer", "Jane Doe", "--customer", "Elm Road 5", "--make", "Chevrolet",
                 "--model", "Cavalier", "--year", "1994"});
    expectOnlyTheDemosGapsNotRead(run);
    EXPECT_EQ(run.json()["report"].toString(), dir + "/r.xml");
    EXPECT_EQ(run.json()["html"].toString(), dir + "/r.html");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"DTCResults.xsl", "r.html", "r.xml"}));

    const QStringList lines = linesOf(dir + "/r.xml");
    for (const char* line :
         {"      <ADDRESS1>Jane Doe</ADDRESS1>", "      <ADDRESS2>Elm Road 5</ADDRESS2>",
          "      <ADDRESS3></ADDRESS3>", "      <VEHICLE_MODEL>Cavalier</VEHICLE_MODEL>",
          "      <VEHICLE_VIN>1G1JC5444R7252367</VEHICLE_VIN>", "      <MIL_STATE>On</MIL_STATE>",
          "      <TITLE_OXYGEN_SENSOR>O2 Sensors  (O2 location 1-1)</TITLE_OXYGEN_SENSOR>"})
        EXPECT_TRUE(lines.contains(QLatin1String(line))) << line;
    EXPECT_EQ(lines.count("<STORED_DTC_RESULTS>"), 9);
    EXPECT_EQ(lines.count("<PENDING_DTC_RESULTS>"), 3);
    EXPECT_TRUE(lines.contains("\t  <FF_DTC>P0125</FF_DTC>"));

    QFile html(dir + "/r.html");
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(html.readAll());
    EXPECT_TRUE(page.contains("B2427"));
    EXPECT_TRUE(page.contains("Jane Doe"));

    // A VIN given on the command line takes the place of the vehicle's.
    runTool({"--demo", "report", "--out", dir + "/v.xml", "--vin", "WVWZZZ1JZXW000001"});
    EXPECT_TRUE(
        linesOf(dir + "/v.xml").contains("      <VEHICLE_VIN>WVWZZZ1JZXW000001</VEHICLE_VIN>"));
}

TEST_F(ReportCli, GermanRunWritesGermanTitles) {
    const QString out = test_env::freshDir("cli-german") + "/r.xml";
    const CliRun run = runTool({"--demo", "--lang", "de", "report", "--out", out});
    ASSERT_EQ(run.code, 1) << run.err.toStdString();
    const QStringList lines = linesOf(out);
    EXPECT_TRUE(lines.contains("      <TITLE>OBD-II-Diagnosebericht</TITLE>"));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("      <TEST_1_C>Zündaussetzer:</TEST_1_C>")));
    // The lamp's state in German, as the window's report gives it.
    EXPECT_TRUE(lines.contains("      <MIL_STATE>An</MIL_STATE>"));
}

TEST_F(ReportCli, FileThatCannotBeWrittenEndsWithCodeThree) {
    const QString dir = test_env::freshDir("cli-unwritable");
    const CliRun run = runTool({"--demo", "report", "--out", dir + "/missing/r.xml"});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.err.contains("The file \"" + dir + "/missing/r.xml\" could not be written"))
        << run.err.toStdString();

    // In this process there is no GUI application object, which PDF output needs.
    const CliRun pdf =
        runTool({"--demo", "report", "--out", dir + "/r.xml", "--pdf", dir + "/r.pdf"});
    EXPECT_EQ(pdf.code, 3);
    EXPECT_FALSE(QFile::exists(dir + "/r.pdf"));
}

// Every file the tool writes, to a place where no file can be: under a regular file (a directory
// without write permission would not stop a test run as root).
TEST_F(ReportCli, EveryFileTheToolWritesEndsWithCodeThreeWhenItCannot) {
    const QString dir = test_env::freshDir("cli-unwritable-all");
    QFile log(dir + "/drive.csv");
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("\"Time\",\"Vehicle Speed\"\r\n\"00:00:00\",\"5 km/h\"\r\n"
              "\"00:00:01\",\"9 km/h\"\r\n");
    log.close();
    const QString target = log.fileName() + "/out";
    const QString report = dir + "/r.xml";
    const QList<QStringList> cases{
        {"--demo", "watch", "0D", "--count", "1", "--csv", target},
        {"--demo", "report", "--out", target},
        {"--demo", "report", "--out", report, "--html", target},
        {"--demo", "report", "--out", report, "--pdf", target},
        {"plot", log.fileName(), "--png", target},
        {"plot", log.fileName(), "--svg", target},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess tool;
        tool.start(QStringLiteral(QUORVANE_CLI_PATH), arguments);
        ASSERT_TRUE(tool.waitForFinished(120000));
        EXPECT_EQ(tool.exitCode(), 3);
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        EXPECT_TRUE(err.contains("quorvane-cli: ") && err.contains(target)) << err.toStdString();
    }
}

TEST_F(ReportCli, FullDiskKeepsTheEarlierReportAndEndsWithCodeThree) {
    const QString out = test_env::freshDir("cli-full-disk") + "/r.xml";
    ASSERT_EQ(runTool({"--demo", "report", "--out", out}).code, 1);
    QFile earlier(out);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray bytes = earlier.readAll();
    CliRun run;
    {
        const FileSizeLimit full(1024);
        run = runTool({"--demo", "report", "--out", out, "--vin", "WVWZZZ1JZXW000001"});
    }
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.err.contains(FileSizeLimit::reason())) << run.err.toStdString();
    EXPECT_FALSE(run.outLines().contains(out));
    QFile kept(out);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), bytes);
}

TEST_F(ReportCli, StylesheetNameHeldByAFifoIsReportedOnceAndTheReportWritten) {
    const QString dir = test_env::freshDir("cli-fifo");
    ASSERT_TRUE(makeFifo(dir + "/DTCResults.xsl"));
    const CliRun run = runTool({"--demo", "report", "--out", dir + "/r.xml"});
    expectOnlyTheDemosGapsNotRead(run);
    EXPECT_EQ(run.outLines(), QStringList{dir + "/r.xml"});
    EXPECT_EQ(run.errLines().filter("DTCResults.xsl"),
              QStringList{"quorvane-cli: DTCResults.xsl beside the report is not a regular file; "
                          "it was left alone"});
}

// The user's own stylesheet (a letterhead layout) stays, said once on standard error.
TEST_F(ReportCli, StylesheetOfTheUsersOwnIsKeptAndSaidOnce) {
    const QString dir = test_env::freshDir("cli-own-stylesheet");
    QFile own(dir + "/DTCResults.xsl");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("<xsl:stylesheet/>");
    own.close();
    const CliRun run = runTool({"--demo", "report", "--out", dir + "/r.xml"});
    EXPECT_EQ(run.outLines(), QStringList{dir + "/r.xml"});
    EXPECT_EQ(run.errLines().filter("DTCResults.xsl"),
              QStringList{"quorvane-cli: DTCResults.xsl beside the report is not the program's; "
                          "it was kept"});
    EXPECT_EQ(linesOf(dir + "/DTCResults.xsl"), QStringList{"<xsl:stylesheet/>"});
}

// A fifo, a directory or a link to a fifo at the report's name is refused, left as it was, and
// nothing is put beside it; once a device node was replaced by a regular file.
TEST_F(ReportCli, ReportNameHeldByOtherThanAFileIsRefusedWithCodeThree) {
    for (const NotAFile& c : notAFileKinds()) {
        SCOPED_TRACE(c.name);
        const QString dir = test_env::freshDir("cli-not-a-file");
        const QString out = dir + "/r.xml";
        ASSERT_TRUE(c.make(out));
        const CliRun run = runTool({"--demo", "report", "--out", out});
        EXPECT_EQ(run.code, 3);
        EXPECT_TRUE(run.err.contains("something other than a regular file has that name"))
            << run.err.toStdString();
        EXPECT_FALSE(QFileInfo(out).isFile());
        EXPECT_TRUE(QDir(dir).entryList({"*.xsl"}, QDir::AllEntries | QDir::System).isEmpty());
    }
}

TEST_F(ReportCli, ToolWritesAPdfWithTheCodes) {
    const QString dir = test_env::freshDir("cli-pdf");
    QProcess tool;
    tool.start(QStringLiteral(QUORVANE_CLI_PATH),
               {"--demo", "report", "--out", dir + "/r.xml", "--pdf", dir + "/r.pdf"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 1) << tool.readAllStandardError().toStdString();

    QProcess text;
    text.start("pdftotext", {dir + "/r.pdf", "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    ASSERT_EQ(text.exitCode(), 0) << "pdftotext (Debian poppler-utils) is needed";
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* code : {"P0125", "P0736", "B2427", "1G1JC5444R7252367"})
        EXPECT_TRUE(pdf.contains(QLatin1String(code))) << code;
}

} // namespace
