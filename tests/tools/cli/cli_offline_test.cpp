// The commands without an interface, the usage errors, and the program itself as a process.

#include "tests/support/pid_samples.h"
#include "tests/support/qt_printers.h"
#include "tests/tools/cli/cli_harness.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>

namespace {

using OfflineCli = CliTest;

TEST_F(OfflineCli, DecodeReachesTheTextsOfTheDecodingSamples) {
    for (const PidSample& sample : kPidSamples) {
        SCOPED_TRACE(sample.pid);
        if (qstrcmp(sample.pid, "20") == 0 || qstrcmp(sample.pid, "40") == 0)
            continue; // no value to decode
        const QString answer = QStringLiteral("41 ") + sample.pid + ' ' + sample.data;
        const QJsonObject metric = runTool({"--json", "decode", "01", sample.pid, answer}).json();
        EXPECT_EQ(metric["value"].toString(), QString::fromUtf8(sample.metric));
        const QJsonObject english =
            runTool({"--json", "--english", "decode", "01", sample.pid, answer}).json();
        EXPECT_EQ(english["value"].toString(), QString::fromUtf8(sample.english));
    }
}

TEST_F(OfflineCli, DecodeTextWithUnitAndTheFreezeFrameService) {
    EXPECT_EQ(runTool({"decode", "01", "05", "41 05 7B"}).out, "83 °C\n");
    EXPECT_EQ(runTool({"--english", "decode", "01", "05", "41 05 7B"}).out, "181 °F\n");
    // Service 02 data stand one byte further on, behind the frame number.
    EXPECT_EQ(runTool({"decode", "02", "05", "42 05 00 7B"}).out, "83 °C\n");
    // Above 4E: several values each behind its name, those byte A leaves out not at all; in
    // JSON a list of values.
    EXPECT_EQ(runTool({"decode", "01", "67", "41 67 01 5A 64"}).out,
              "Engine coolant temperature sensor 1: 50 °C\n");
    EXPECT_EQ(runTool({"--english", "decode", "02", "5E", "42 5E 00 00 C8"}).out, "2.64 gal/h\n");
    const QJsonArray values =
        runTool({"--json", "decode", "01", "67", "41 67 03 5A 64"}).json()["values"].toArray();
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[1].toObject()["value"].toString(), "60");
    // Their names and texts come from a catalogue of their own.
    EXPECT_EQ(runTool({"--lang", "de", "decode", "01", "67", "41 67 02 5A 64"}).out,
              "Kühlmitteltemperatur Sensor 2: 60 °C\n");
    EXPECT_EQ(runTool({"--lang", "es", "decode", "01", "51", "41 51 04"}).out, "Diésel\n");
}

// Two blocks of one monitor: a ratio past its maximum and a scaling ID the table lacks.
TEST_F(OfflineCli, DecodeMonitorResultsWithVerdictAndUnknownUnit) {
    const QString answer = "46 21 80 01 01 54 00 00 01 00 21 85 50 12 34 00 00 FF FF";
    const CliRun run = runTool({"decode", "06", "21", answer});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.outLines(),
              QStringList({"Catalyst monitor bank 1\tTID 80\t340\t0\t256\t\tFAIL",
                           "Catalyst monitor bank 1\tTID 85\t4660\t0\t65535\tunknown unit\tPASS"}));
    const QJsonArray rows =
        runTool({"--json", "decode", "06", "21", answer}).json()["monitors"].toArray();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].toObject()["mid"].toString(), "21");
    EXPECT_EQ(rows[0].toObject()["passed"], QJsonValue(false));
    EXPECT_EQ(rows[1].toObject()["max"].toDouble(), 65535);
}

TEST_F(OfflineCli, BadInputIsOneLineAndExitTwo) {
    const QList<QStringList> cases{
        {},                                                      // no command
        {"fly"},                                                 // unknown command
        {"--speed", "ports"},                                    // unknown option
        {"--demo", "--port", "/dev/x", "vin"},                   // two vehicles
        {"--port"},                                              // option without value
        {"decode", "01", "0C"},                                  // too few arguments
        {"decode", "01", "0C", "41 0C ZZ F8"},                   // not hexadecimal
        {"decode", "01", "0C", "NO DATA"},                       // not an answer at all
        {"decode", "01", "0C", "41 0D 1A F8"},                   // the answer of another PID
        {"decode", "06", "21", "46 22 80 01 00 01 00 00 00 02"}, // another monitor's answer
        {"--demo", "monitors", "20"},                            // a block ID, no monitor
        {"decode", "03", "0C", "43 0C"},                         // service without values
        {"decode", "01", "4F", "41 4F 00"},                      // beyond the catalogue
        {"decode", "01", "20", "41 20 00"},                      // announces PIDs, has no value
        {"--demo", "pid", "XYZ"},                                // unknown PID, nothing sent
        {"--demo", "o2", "9"},                                   // no such sensor
        {"--demo", "watch", "0C", "--count", "0"},
        {"--demo", "pid", "0C", "--count", "2"}, // option of another command
        {"lookup", "P12"},                       // malformed code
        {"lookup", "X0125"},
        {"lookup", "P0125", "--maker", "Nobody"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = runTool(arguments);
        EXPECT_EQ(run.code, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        const QStringList err = run.errLines();
        ASSERT_EQ(err.size(), 2) << run.err.toStdString();
        EXPECT_TRUE(err[0].startsWith("quorvane-cli: "));
        EXPECT_EQ(err[1], "Try 'quorvane-cli --help' for more information.");
    }
}

// An answer too short for its PID and a refusal are bad input to decode, each named as such.
TEST_F(OfflineCli, DecodeNamesShortAnswersAndRefusals) {
    for (const char* answer : {"41 0C", "41 0C 1A", "410C1AF"}) {
        SCOPED_TRACE(answer);
        const CliRun run = runTool({"decode", "01", "0C", answer});
        EXPECT_EQ(run.code, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("of the 2 data bytes of PID 0C")) << run.err.toStdString();
    }
    EXPECT_EQ(runTool({"decode", "02", "0C", "42 0C 00 1A"}).code, 2);

    const CliRun refusal = runTool({"decode", "01", "05", "7F 01 12"});
    EXPECT_EQ(refusal.code, 2);
    EXPECT_TRUE(refusal.err.startsWith("quorvane-cli: 7F 01 12 is a negative response to service "
                                       "01: reason 12 (sub-function not supported or invalid "
                                       "format)\n"))
        << refusal.err.toStdString();
    EXPECT_TRUE(
        runTool({"decode", "01", "0C", "7F0131"}).err.contains("reason 31 (request out of range)"));
}

TEST_F(OfflineCli, LookupAndMakers) {
    const CliRun generic = runTool({"lookup", "p0125"});
    ASSERT_EQ(generic.code, 0) << generic.err.toStdString();
    EXPECT_EQ(generic.out,
              "P0125  Generic  Insufficient Coolant Temperature for Closed Loop Fuel Control\n");

    const QJsonObject ford = runTool({"--json", "lookup", "P1107", "--maker", "Ford"}).json();
    EXPECT_EQ(ford["maker"].toString(), "Ford");
    EXPECT_EQ(ford["description"].toString(), "Dual alternator lower circuit malfunction");

    const QJsonObject unknown = runTool({"--json", "lookup", "P1107"}).json();
    EXPECT_TRUE(unknown["description"].isNull());

    const CliRun makers = runTool({"makers"});
    ASSERT_EQ(makers.code, 0);
    EXPECT_EQ(makers.outLines().first(), "Generic");
    EXPECT_TRUE(makers.outLines().contains("Ford"));
    EXPECT_EQ(runTool({"--json", "makers"}).json()["makers"].toArray().size(),
              makers.outLines().size());
}

TEST_F(OfflineCli, GermanDescriptions) {
    const CliRun run = runTool({"--lang", "de", "lookup", "P0125"});
    ASSERT_EQ(run.code, 0);
    EXPECT_FALSE(run.out.contains("Insufficient Coolant")) << run.out.toStdString();
    EXPECT_TRUE(runTool({"--lang", "xx", "makers"}).code == 2);
}

TEST_F(OfflineCli, PortsListsDevicePaths) {
    const CliRun run = runTool({"--json", "ports"});
    ASSERT_EQ(run.code, 0);
    for (const QJsonValue& port : run.json()["ports"].toArray())
        EXPECT_TRUE(port.toString().startsWith("/dev/")) << port.toString().toStdString();
}

// The three programs keep the same conventions: help and version on standard output with exit 0,
// an unknown option named in one line with the pointer to --help and exit 2.
TEST_F(OfflineCli, EveryProgramAnswersHelpVersionAndUnknownOptionsAlike) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen"); // the window meets --bogus with a display
    for (const auto& [name, path] :
         {std::pair{"quorvane", QUORVANE_PATH}, std::pair{"quorvane-cli", QUORVANE_CLI_PATH},
          std::pair{"elmsim", ELMSIM_PATH}}) {
        SCOPED_TRACE(name);
        const QString program = QLatin1String(name);
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(QLatin1String(path), {"--help"});
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 0);
        const QString help = QString::fromUtf8(tool.readAllStandardOutput());
        EXPECT_TRUE(help.startsWith("Usage: " + program + " [options]")) << help.toStdString();
        EXPECT_TRUE(help.contains("--version")) << help.toStdString();

        tool.start(QLatin1String(path), {"--version"});
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(tool.readAllStandardOutput()),
                  program + " " QUORVANE_VERSION "\n");

        tool.start(QLatin1String(path), {"--bogus"});
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 2);
        // Qt may warn of the platform before the window's application reads its arguments.
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        EXPECT_TRUE(err.endsWith(program + ": unknown option --bogus\nTry '" + program +
                                 " --help' for more information.\n"))
            << err.toStdString();
    }
}

// The bash completion offers exactly the commands --help lists, and every option it lists.
TEST_F(OfflineCli, CompletionKnowsTheCommandsAndOptionsOfTheHelp) {
    const QString help = runTool({"--help"}).out;
    const qsizetype commandsAt = help.indexOf("\nCommands:\n");
    ASSERT_GT(commandsAt, 0) << help.toStdString();
    QStringList commands;
    QRegularExpressionMatchIterator it =
        QRegularExpression("^  ([a-z0-9]+)", QRegularExpression::MultilineOption)
            .globalMatch(help.mid(commandsAt));
    while (it.hasNext())
        commands << it.next().captured(1);
    QStringList options;
    it = QRegularExpression("^  (?:-\\w, )?(--[a-z-]+)", QRegularExpression::MultilineOption)
             .globalMatch(help.left(commandsAt));
    while (it.hasNext())
        options << it.next().captured(1);
    ASSERT_GT(commands.size(), 10);
    ASSERT_GT(options.size(), 20);

    QFile file(QStringLiteral(QUORVANE_CLI_COMPLETION));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch listed =
        QRegularExpression("local commands=\"([^\"]*)\"").match(script);
    QStringList completed = listed.captured(1).split(' ', Qt::SkipEmptyParts);
    completed.sort();
    commands.sort();
    EXPECT_EQ(completed, commands);
    const QStringList completedOptions =
        QRegularExpression("local options=\"([^\"]*)\"").match(script).captured(1).split(' ');
    for (const QString& option : options)
        EXPECT_TRUE(completedOptions.contains(option)) << option.toStdString();
}

TEST_F(OfflineCli, TheProgramAsAProcess) {
    QProcess tool;
    tool.start(QStringLiteral(QUORVANE_CLI_PATH), {"--demo", "connect"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(tool.readAllStandardOutput()).count('\n'), 15);

    tool.start(QStringLiteral(QUORVANE_CLI_PATH), {"decode", "01", "05", "41 05 7B"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(tool.readAllStandardOutput()), "83 °C\n");

    tool.start(QStringLiteral(QUORVANE_CLI_PATH), {});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 2);
}

} // namespace
