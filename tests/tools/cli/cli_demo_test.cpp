// Every vehicle command against the simulated vehicle, as text and as JSON.

#include "core/link/comm_log.h"

#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"
#include "tests/tools/cli/cli_harness.h"

#include "core/link/stop_signal.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <thread>

namespace {

using DemoCli = CliTest;

TEST_F(DemoCli, ConnectPrintsTheFifteenStageLines) {
    const CliRun run = runTool({"--demo", "connect"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 15) << run.out.toStdString();
    // The simulated vehicle needs no port and claims none; every step after it passed.
    EXPECT_EQ(lines[0], "--   Demo-Mode: no port opened");
    for (const QString& line : lines.mid(1))
        EXPECT_TRUE(line.startsWith("OK   ")) << line.toStdString();
    EXPECT_EQ(lines[4], "OK   Chip Version: ELM323 v2.0");
    EXPECT_EQ(lines[14], "OK   Mode 09 Init, Vehicle Information");

    const QJsonObject json = runTool({"--demo", "--json", "connect"}).json();
    EXPECT_TRUE(json["connected"].toBool());
    EXPECT_EQ(json["interface"].toString(), "ELM323 v2.0");
    EXPECT_EQ(json["stages"].toArray().size(), 15);
}

TEST_F(DemoCli, StatusShowsLampCountMonitorsAndObdType) {
    const CliRun run = runTool({"--demo", "status"});
    ASSERT_EQ(run.code, 0);
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 13) << run.out.toStdString();
    EXPECT_EQ(lines[0], "MIL Status: On");
    EXPECT_EQ(lines[1], "Stored DTCs: 9");
    EXPECT_EQ(lines[2], "OBD Type: OBD II (California ARB)");
    for (int i = 4; i < 11; ++i)
        EXPECT_EQ(lines[i].simplified().section(' ', -2), "Yes Yes") << lines[i].toStdString();
    // The seven, then the ignition and the one further monitor the demo car has.
    EXPECT_EQ(lines[11], "Ignition: Spark ignition");
    EXPECT_EQ(lines[12].simplified(), "Secondary air system: Yes Yes");

    const QJsonObject json = runTool({"--demo", "--json", "status"}).json();
    EXPECT_TRUE(json["mil"].toBool());
    EXPECT_EQ(json["storedCodeCount"].toInt(), 9);
    EXPECT_EQ(json["obdType"].toString(), "OBD II (California ARB)");
    const QJsonObject monitors = json["monitors"].toObject();
    EXPECT_EQ(monitors.size(), 7);
    for (const QString& key : monitors.keys())
        EXPECT_TRUE(monitors[key].toObject()["completed"].toBool()) << key.toStdString();
    EXPECT_EQ(json["ignition"].toString(), "spark");
    EXPECT_EQ(json["furtherMonitors"].toObject().keys(), QStringList({"secondaryAir"}));
}

TEST_F(DemoCli, VinWithCalibrationIdsAndCvns) {
    const CliRun run = runTool({"--demo", "vin"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.outLines(),
              QStringList({"VIN: 1G1JC5444R7252367", "CID: 1131533479060002",
                           "CID: 0325451332060004", "CVN: AE6D46B4", "CVN: 0000771D"}));
    const QJsonObject json = runTool({"--demo", "--json", "vin"}).json();
    EXPECT_EQ(json["vin"].toString(), "1G1JC5444R7252367");
    EXPECT_EQ(json["cvns"].toArray().first().toString(), "AE6D46B4");
}

TEST_F(DemoCli, PidValuesInBothUnitSystems) {
    const CliRun metric = runTool({"--demo", "pid", "05", "0d"});
    ASSERT_EQ(metric.code, 0) << metric.err.toStdString();
    ASSERT_EQ(metric.outLines().size(), 2);
    EXPECT_TRUE(metric.outLines()[0].startsWith("05  ")) << metric.out.toStdString();
    EXPECT_TRUE(metric.outLines()[0].endsWith("°C"));
    EXPECT_TRUE(metric.outLines()[1].startsWith("0D  "));
    // An oxygen sensor's value text writes its volts itself; no unit follows it again.
    const CliRun o2 = runTool({"--demo", "--json", "pid", "15"});
    const QJsonObject sensor = o2.json()["values"].toArray().first().toObject();
    EXPECT_TRUE(sensor["value"].toString().contains(" V")) << o2.out.toStdString();
    EXPECT_EQ(sensor["unit"].toString(), "");
    const QString line = runTool({"--demo", "pid", "15"}).outLines().value(0);
    EXPECT_FALSE(line.contains("V V")) << line.toStdString();

    const QJsonObject english = runTool({"--demo", "--english", "--json", "pid", "05"}).json();
    const QJsonObject value = english["values"].toArray().first().toObject();
    EXPECT_EQ(value["pid"].toString(), "05");
    EXPECT_EQ(value["unit"].toString(), "°F");
    EXPECT_FALSE(value["value"].toString().isEmpty());
}

TEST_F(DemoCli, WatchStreamsOneLineACycleAsTextOrJsonLines) {
    const CliRun run = runTool({"--demo", "watch", "0C", "0D", "--count", "3"});
    ASSERT_EQ(run.code, 0);
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Time\t0C "));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(lines[i].count('\t'), 2) << lines[i].toStdString();

    // JSON Lines: the columns, then one object a cycle, each a line of its own.
    const CliRun json = runTool({"--demo", "--json", "watch", "0C", "0D", "--count", "2"});
    ASSERT_EQ(json.code, 0);
    const QStringList objects = json.outLines();
    ASSERT_EQ(objects.size(), 3) << json.out.toStdString();
    QList<QJsonObject> parsed;
    for (const QString& line : objects) {
        QJsonParseError error;
        parsed << QJsonDocument::fromJson(line.toUtf8(), &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    }
    EXPECT_EQ(parsed[0]["pids"].toArray().size(), 2);
    EXPECT_EQ(parsed[0]["pids"].toArray()[1].toObject()["pid"].toString(), "0D");
    EXPECT_EQ(parsed[2]["values"].toArray().size(), 2);
    EXPECT_EQ(parsed[2]["values"].toArray()[1].toString(), "0"); // the demo vehicle stands
    EXPECT_FALSE(parsed[1]["time"].toString().isEmpty());
}

TEST_F(DemoCli, WatchRecordsTheDataLogFormatToTheNamedFile) {
    const QString path = test_env::freshDir("cli-watch") + "/run.csv";
    // 3C is named "Catalyst Temperature Bank 1, Sensor 1"; the demo vehicle does not answer it.
    const CliRun run = runTool({"--demo", "watch", "0D", "3C", "--count", "2", "--csv", path});
    EXPECT_EQ(run.code, 1) << run.err.toStdString(); // a value that was never read is a failure
    EXPECT_TRUE(run.err.contains("not read: 3C")) << run.err.toStdString();
    const QStringList lines = readCrLfLines(path);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "\"Time\",\"Vehicle Speed\",\"Catalyst Temperature Bank 1, Sensor 1\"");
    const QRegularExpression record(R"(^"\d\d:\d\d:\d\d","0","Error"$)");
    EXPECT_TRUE(record.match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_TRUE(record.match(lines[2]).hasMatch()) << lines[2].toStdString();

    const CliRun bad = runTool({"--demo", "watch", "0D", "--count", "1", "--csv",
                                test_env::freshDir("cli-watch-bad") + "/no/such/dir/x.csv"});
    EXPECT_EQ(bad.code, 3);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(runTool({"--demo", "pid", "0D", "--csv", path}).code, 2); // only for watch
}

TEST_F(DemoCli, InterruptEndsAWatchWithoutCountAfterWholeCyclesOnly) {
    StopSignal interrupt;
    CliTuning tuning = fastTuning();
    tuning.demoDelayMs = 5;
    tuning.stop = &interrupt;
    // The interrupt comes once the heading and a first whole cycle are out, never during the
    // connection.
    WatchedOutput output;
    std::thread user([&] {
        output.waitForLines(2);
        interrupt.request();
    });
    CliRun run;
    QTextStream out(&output);
    QTextStream err(&run.err);
    run.code = runCli({"--demo", "watch", "0C", "05"}, out, err, tuning);
    output.end();
    user.join();
    run.out = output.text();
    EXPECT_EQ(run.code, 0);
    const QStringList lines = run.outLines();
    ASSERT_GE(lines.size(), 1);
    // The cycle the interrupt cut short is not printed with its "Error".
    for (const QString& line : lines.mid(1))
        EXPECT_FALSE(line.contains("Error")) << line.toStdString();
}

TEST_F(DemoCli, DtcListsNineStoredThreePendingAndOnePermanentCode) {
    const CliRun run = runTool({"--demo", "dtc"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 16) << run.out.toStdString();
    EXPECT_EQ(lines[0], "Stored DTCs:");
    // Each code with the name of the unit that stored it.
    EXPECT_EQ(lines[1], "P0125  Insufficient Coolant Temperature for Closed Loop Fuel Control  "
                        "(ECM-EngineControl)");
    EXPECT_EQ(lines[10], "Pending DTCs:");
    EXPECT_EQ(lines[14], "Permanent DTCs:");
    EXPECT_EQ(lines[15], lines[1]);

    const QJsonObject json = runTool({"--demo", "--json", "dtc", "--maker", "Ford"}).json();
    const QJsonArray stored = json["stored"].toArray();
    ASSERT_EQ(stored.size(), 9);
    EXPECT_EQ(json["pending"].toArray().size(), 3);
    EXPECT_EQ(json["maker"].toString(), "Ford");
    // P0 codes always come from the generic table, the others from the chosen maker's.
    EXPECT_FALSE(stored[0].toObject()["description"].toString().isEmpty());
    EXPECT_EQ(stored[3].toObject()["code"].toString(), "P1107");
    EXPECT_EQ(stored[3].toObject()["description"].toString(),
              "Dual alternator lower circuit malfunction");
    for (const QJsonValue& code : stored) {
        EXPECT_EQ(code["unit"].toString(), "10"); // the ISO 9141 engine's address
        EXPECT_EQ(code["unitName"].toString(), "ECM-EngineControl");
    }
    const QJsonObject permanent = json["permanent"].toObject();
    EXPECT_EQ(permanent["state"].toString(), "read");
    ASSERT_EQ(permanent["codes"].toArray().size(), 1);
    EXPECT_EQ(permanent["codes"][0]["code"].toString(), "P0125");
    EXPECT_EQ(permanent["codes"][0]["unit"].toString(), "10");
}

// The simulated vehicle stored its frame with one of its stored codes.
TEST_F(DemoCli, FreezeShowsTheSimulatedVehiclesFrame) {
    const CliRun run = runTool({"--demo", "freeze"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    ASSERT_EQ(run.outLines().size(), 9) << run.out.toStdString();
    EXPECT_TRUE(run.outLines()[1].startsWith("P0125  ")) << run.out.toStdString();
    const QJsonObject json = runTool({"--demo", "--json", "freeze"}).json();
    EXPECT_EQ(json["codes"].toArray().size(), 1);
    EXPECT_EQ(json["values"].toArray().size(), 7);
}

// The program copied beside a language module whose packed table lost a bit after it was built
// (in its stated check value, so the damage is found by the check and nowhere earlier).
QString programWithDamagedTable() {
    const QString dir = test_env::freshDir("damaged-table");
    const QString program = dir + "/quorvane-cli";
    const QString built = QFileInfo(QStringLiteral(QUORVANE_CLI_PATH)).absolutePath();
    QFile module(built + "/locale/en/language.dll");
    if (!QFile::copy(QStringLiteral(QUORVANE_CLI_PATH), program) ||
        !QDir().mkpath(dir + "/locale/en") || !module.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = module.readAll();
    const qsizetype container = bytes.indexOf("@LHC");
    if (container < 0)
        return {};
    bytes[container + 9] = char(bytes[container + 9] ^ 0x10);
    QFile damaged(dir + "/locale/en/language.dll");
    if (!damaged.open(QIODevice::WriteOnly) || damaged.write(bytes) != bytes.size())
        return {};
    return program;
}

// As with a module file that is no resource file at all: the codes without their descriptions,
// and the reason on standard error.
TEST_F(DemoCli, DamagedTableStillPrintsTheCodesWithoutDescriptions) {
    const QString program = programWithDamagedTable();
    ASSERT_FALSE(program.isEmpty());
    const QString report = test_env::freshDir("damaged-table-report") + "/report.xml";
    for (const QStringList& command :
         {QStringList{"dtc"}, QStringList{"freeze"}, QStringList{"report", "--out", report}}) {
        QProcess tool;
        tool.start(program, QStringList{"--demo"} + command);
        ASSERT_TRUE(tool.waitForFinished(60000));
        const QString out = QString::fromUtf8(tool.readAllStandardOutput());
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        // The demo vehicle sends no oxygen-sensor tests: its report says so by the exit code.
        EXPECT_EQ(tool.exitCode(), command.first() == "report" ? 1 : 0) << err.toStdString();
        EXPECT_EQ(err.section('\n', 0, 0), "CRC Decompression Error !");
        if (command.first() == "report")
            continue;
        const QStringList intact = runTool({"--demo", command.first()}).outLines();
        const QStringList bare = out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(bare.size(), intact.size()) << out.toStdString();
        // The same line without its description (a unit's name after it stays).
        EXPECT_EQ(bare[1], QString(intact[1]).remove(intact[1].section("  ", 1, 1)));
    }
    EXPECT_TRUE(QFileInfo::exists(report));
}

// The simulated vehicle refuses PID 12 ("7F 01 12") and does not list PID 09: neither prints a
// value, and the refusal is named.
TEST_F(DemoCli, PidValuesTheVehicleDidNotSendAreNotReadAndExitOne) {
    const CliRun text = runTool({"--demo", "pid", "0C", "12"});
    EXPECT_EQ(text.code, 1);
    ASSERT_EQ(text.outLines().size(), 2);
    EXPECT_TRUE(text.outLines()[0].endsWith(" rpm")) << text.out.toStdString();
    EXPECT_EQ(text.outLines()[1], "12  Commanded Secondary Air Status: Error");

    const QJsonObject json = runTool({"--demo", "--json", "pid", "0C", "12", "09"}).json();
    const QJsonArray values = json["values"].toArray();
    ASSERT_EQ(values.size(), 3);
    EXPECT_FALSE(values[0].toObject()["value"].isNull());
    EXPECT_FALSE(values[0].toObject().contains("error"));
    EXPECT_TRUE(values[1].toObject()["value"].isNull());
    EXPECT_EQ(values[1].toObject()["error"].toString(),
              "negative response to service 01: reason 12 (sub-function not supported or "
              "invalid format)");
    // Not in the supported set: not asked, unless forced.
    EXPECT_TRUE(values[2].toObject()["value"].isNull());
    EXPECT_TRUE(values[2].toObject()["error"].toString().contains("--force"));
    const QJsonObject forced = runTool({"--demo", "--json", "pid", "09", "--force"}).json();
    EXPECT_TRUE(
        forced["values"].toArray()[0].toObject()["error"].toString().contains("negative response"));

    const CliRun watch = runTool({"--demo", "--json", "watch", "0D", "12", "--count", "2"});
    EXPECT_EQ(watch.code, 1);
    QList<QJsonObject> cycles;
    for (const QString& line : watch.outLines().mid(1))
        cycles << QJsonDocument::fromJson(line.toUtf8()).object();
    ASSERT_EQ(cycles.size(), 2) << watch.out.toStdString();
    EXPECT_EQ(cycles[0]["values"].toArray()[0].toString(), "0");
    EXPECT_TRUE(cycles[0]["values"].toArray()[1].isNull());
    EXPECT_TRUE(cycles[1]["error"].toString().startsWith("12: negative response"));
    EXPECT_EQ(runTool({"--demo", "watch", "0D", "--count", "1"}).code, 0);
    EXPECT_EQ(runTool({"--demo", "vin", "--force"}).code, 0);
    EXPECT_EQ(runTool({"--demo", "clear", "--force"}).code, 2);
}

TEST_F(DemoCli, OxygenSensorLocationsAndOneSensorsTests) {
    const CliRun locations = runTool({"--demo", "o2"});
    ASSERT_EQ(locations.code, 0);
    EXPECT_EQ(locations.outLines(), QStringList({"1  O2 location 1-1", "2  O2 location 1-2"}));

    const QJsonObject json = runTool({"--demo", "--json", "o2", "1"}).json();
    EXPECT_EQ(json["sensor"].toInt(), 1);
    const QJsonArray tests = json["tests"].toArray();
    ASSERT_EQ(tests.size(), 10);
    EXPECT_EQ(tests[0].toObject()["test"].toString(), "$01");
    EXPECT_EQ(runTool({"--demo", "o2", "1"}).outLines().size(), 10);
}

TEST_F(DemoCli, RawExchangeAndClearing) {
    const CliRun raw = runTool({"--demo", "raw", "0100"});
    EXPECT_EQ(raw.code, 0);
    EXPECT_EQ(raw.out, "41 00 BE 1F E8 11\n"); // the interface's line as it came

    const CliRun clear = runTool({"--demo", "--json", "clear", "--yes"});
    EXPECT_EQ(clear.code, 0);
    EXPECT_TRUE(clear.json()["cleared"].toBool());
}

TEST_F(DemoCli, LogWritesTheCommunicationAndShowsTheStages) {
    QFile::remove(CommLog::path());
    const CliRun run = runTool({"--demo", "--log", "raw", "0101"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.errLines().size(), 15);
    const QStringList log = readCrLfLines(CommLog::path());
    ASSERT_GE(log.size(), 6);
    EXPECT_TRUE(log[3].endsWith(" - New Init")) << log[3].toStdString();
    EXPECT_TRUE(log.filter(" - S: 0101").size() >= 2); // the sequence's read and ours
    // Closed at the end of the run, as when the program ends.
    EXPECT_EQ(log.filter(" - Programm terminated").size(), 1);
}

TEST_F(DemoCli, GermanTexts) {
    const CliRun run = runTool({"--demo", "--lang", "de", "connect"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.outLines().at(5), "OK   Interface ist bereit");
    const CliRun status = runTool({"--demo", "--lang", "de", "status"});
    EXPECT_EQ(status.outLines().at(0), "MIL-Status: An") << status.out.toStdString();
}

} // namespace
