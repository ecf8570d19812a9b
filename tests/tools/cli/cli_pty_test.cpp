// The commands through a real serial channel: the emulated interface on a pseudo-terminal.

#include "tools/elmsim/pty_elm.h"
#include "tools/elmsim/vehicle_profile.h"

#include "core/link/comm_log.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"
#include "tests/tools/cli/cli_harness.h"

#include <QFile>
#include <QJsonArray>
#include <memory>

namespace {

// The full vehicle, silent to the services given.
class VehicleWithoutServices : public VehicleProfile {
public:
    explicit VehicleWithoutServices(QStringList silent) : m_silent(std::move(silent)) {}
    QString answer(const QString& request) override {
        for (const QString& service : m_silent)
            if (request.startsWith(service))
                return QString();
        return m_demo->answer(request);
    }

private:
    QStringList m_silent;
    std::unique_ptr<VehicleProfile> m_demo = makeVehicleProfile(QStringLiteral("full"));
};

struct PtyCli : CliTest {
    std::unique_ptr<PtyElm> elm;

    QString serve(const QString& profile = QStringLiteral("demo"), int muteAfter = -1) {
        PtyElm::Config config;
        config.profile = profile;
        config.emulator.muteAfter = muteAfter;
        return serve(config);
    }
    QString serve(const PtyElm::Config& config) {
        elm = std::make_unique<PtyElm>(config);
        elm->start();
        return elm->slavePath();
    }
    // ATZ, ATE0, ATL0, ATI and the control unit's first "0100": the vehicle is found, then says
    // "NO DATA" to everything.
    QString serveSilentAfterConnecting() {
        PtyElm::Config config;
        config.profile = QStringLiteral("full");
        config.emulator.noDataAfter = 6; // the baud-rate probe's ATI, ATZ, ATE0, ATL0, ATI, 0100
        return serve(config);
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

// The cars of the emulator with more monitors than the seven and PID 41: the incomplete ones
// (the full car's exhaust gas recirculation) are printed and carried in JSON.
TEST_F(PtyCli, StatusCarriesEverySupportedMonitorAndThisDriveCycle) {
    const struct {
        const char* profile;
        const char* ignition;
        const char* line; // the incomplete monitor's line, simplified
        const char* key;
    } cases[] = {
        {"full", "spark", "EGR and/or VVT system: Yes No No", "egrVvt"},
        {"diesel", "compression", "NMHC catalyst: Yes No No", "nmhcCatalyst"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        const QString port = serve(c.profile);
        const CliRun status = runTool({"--port", port, "status"});
        ASSERT_EQ(status.code, 0) << status.err.toStdString();
        QStringList lines;
        for (const QString& line : status.outLines())
            lines << line.simplified();
        EXPECT_TRUE(lines.contains(QLatin1String(c.line))) << status.out.toStdString();
        EXPECT_TRUE(lines[3].endsWith("This drive cycle"));

        const QJsonObject json = runTool({"--port", port, "--json", "status"}).json();
        EXPECT_EQ(json["ignition"].toString(), c.ignition);
        const QJsonObject monitor = json["furtherMonitors"].toObject()[c.key].toObject();
        EXPECT_TRUE(monitor["supported"].toBool());
        EXPECT_FALSE(monitor["completed"].toBool());
        EXPECT_TRUE(
            json["monitors"].toObject()["misfire"].toObject().contains("completedThisDriveCycle"));
    }
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
              QStringList({"OK   Port: " + port + " ready",
                           "ERR  The interface does not answer at any usual speed (tried 9600, "
                           "38400, 115200, 57600, 230400, 500000 baud)",
                           "ERR  Interface is not responding"}));
}

// The vehicle answers the connection and then nothing: every command prints what it could not
// read as not read, carries null and the reason in JSON, and ends with exit 1.
TEST_F(PtyCli, SilentVehiclePrintsNoValueItDidNotSend) {
    const CliRun status = runTool({"--port", serveSilentAfterConnecting(), "status"});
    EXPECT_EQ(status.code, 1);
    EXPECT_EQ(status.outLines().mid(0, 3),
              QStringList({"MIL Status: N/A", "Stored DTCs: N/A", "OBD Type: Error"}));
    EXPECT_TRUE(status.outLines().at(4).contains("N/A"));
    EXPECT_TRUE(status.err.contains("not read: monitor status")) << status.err.toStdString();

    const CliRun jsonStatus = runTool({"--port", serveSilentAfterConnecting(), "--json", "status"});
    EXPECT_EQ(jsonStatus.code, 1);
    const QJsonObject statusDoc = jsonStatus.json();
    for (const char* key : {"mil", "storedCodeCount", "obdType", "monitors"})
        EXPECT_TRUE(statusDoc[key].isNull()) << key;
    EXPECT_TRUE(statusDoc["error"].toString().contains("0101"));

    const CliRun dtc = runTool({"--port", serveSilentAfterConnecting(), "dtc"});
    EXPECT_EQ(dtc.code, 1);
    EXPECT_EQ(dtc.outLines(),
              QStringList({"Stored DTCs:", "Trouble codes could not be read",
                           "Pending DTCs:", "Trouble codes could not be read",
                           "Permanent DTCs:", "Permanent trouble codes could not be read"}));
    const QJsonObject dtcDoc =
        runTool({"--port", serveSilentAfterConnecting(), "--json", "dtc"}).json();
    EXPECT_TRUE(dtcDoc["stored"].isNull());
    EXPECT_TRUE(dtcDoc["pending"].isNull());
    EXPECT_EQ(dtcDoc["permanent"]["state"].toString(), "notRead");
    EXPECT_FALSE(dtcDoc["error"].toString().isEmpty());

    const CliRun o2 = runTool({"--port", serveSilentAfterConnecting(), "o2"});
    EXPECT_EQ(o2.code, 1);
    EXPECT_TRUE(o2.out.isEmpty());

    // The supported set could not be read either: the VIN is not asked for, unless forced.
    const CliRun vin = runTool({"--port", serveSilentAfterConnecting(), "--json", "vin"});
    EXPECT_EQ(vin.code, 1);
    EXPECT_TRUE(vin.json()["vin"].isNull());
    EXPECT_TRUE(vin.json()["error"].toString().contains("--force")) << vin.out.toStdString();
    const CliRun forced =
        runTool({"--port", serveSilentAfterConnecting(), "--json", "vin", "--force"});
    EXPECT_EQ(forced.code, 1);
    EXPECT_TRUE(forced.json()["error"].toString().contains("no valid answer to 0902"));
}

// An interface that falls silent is gone after three requests without an answer, as one that
// hung up: a long watch ends with exit 1 instead of waiting out every sample.
TEST_F(PtyCli, WatchOfAnInterfaceThatFallsSilentEndsAsALostConnection) {
    const QString port = serve("full");
    const CliRun probe = runTool({"--port", port, "watch", "0C", "--count", "1"});
    ASSERT_EQ(probe.code, 0) << probe.err.toStdString();
    const int connectRequests = elm->requestCount() - 1;
    const QString muted = serve("full", connectRequests + 2);
    const CliRun run = runTool({"--port", muted, "watch", "0C", "0D", "--count", "1000"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("has not answered 3 requests in a row")) << run.err.toStdString();
    EXPECT_LT(run.outLines().size(), 10) << run.out.toStdString();
}

// Connected, but the steps that asked the vehicle got nothing: they say so and connect fails.
TEST_F(PtyCli, ConnectToASilentVehicleMarksItsStepsFailed) {
    const CliRun run = runTool({"--port", serveSilentAfterConnecting(), "connect"});
    EXPECT_EQ(run.code, 1);
    const QStringList lines = run.outLines();
    EXPECT_TRUE(lines.contains("ERR  Mode 03 Init, Diagnostic Trouble Codes: failed (NO DATA)"))
        << run.out.toStdString();
    EXPECT_TRUE(lines.contains("OK   Mode 06 Init, On-Board Monitoring Test Results"));
    EXPECT_FALSE(lines.filter("Mode 09").first().startsWith("OK"));
}

TEST_F(PtyCli, OxygenTestsOfACanVehicleAreNotAskedAndSaySo) {
    PtyElm::Config config;
    config.profile = QStringLiteral("full");
    config.elm327 = true;
    const QString port = serve(config);
    const CliRun run = runTool({"--port", port, "--json", "o2", "1"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("service 06")) << run.err.toStdString();
    const QJsonObject json = run.json();
    EXPECT_TRUE(json["tests"].isNull());
    EXPECT_TRUE(json["error"].toString().contains("service 06"));
}

// The report holds what came: each section that did not, or that a lost interface cut off, is
// marked in the document and on standard error, and the run ends with exit 1.
TEST_F(PtyCli, ReportMarksEverySectionThatDidNotCome) {
    ASSERT_EQ(runTool({"--port", serve("full"), "connect"}).code, 0);
    const int sequence = elm->requestCount();
    const struct {
        const char* name;
        QStringList silentServices;
        int muteAfter;
        QStringList notRead;
    } cases[] = {
        {"no service 05", {"05"}, -1, {"oxygen-sensor tests"}},
        {"no service 09", {"09"}, -1, {"VIN"}},
        {"lost during the oxygen-sensor tests",
         {},
         sequence + 2,
         {"oxygen-sensor tests", "monitor tests"}},
        {"lost at the end of the sequence",
         {},
         sequence - 3,
         {"oxygen-sensor tests", "monitor tests"}},
    };
    const QString dir = test_env::freshDir("cli-report-not-read");
    for (const auto& c : cases) {
        PtyElm::Config config;
        const QStringList silent = c.silentServices;
        config.vehicle = [silent] { return std::make_unique<VehicleWithoutServices>(silent); };
        config.emulator.muteAfter = c.muteAfter;
        const QString out = dir + "/" + c.name + ".xml";
        const CliRun run =
            runTool({"--port", serve(config), "report", "--out", out, "--html", out + ".html"});
        EXPECT_EQ(run.code, 1) << c.name;
        EXPECT_EQ(run.err.contains("has not answered 3 requests in a row"), c.muteAfter >= 0)
            << c.name << run.err.toStdString();
        QStringList named;
        for (const QString& section : c.notRead)
            named << "quorvane-cli: not read: " + section;
        EXPECT_EQ(run.errLines().filter("not read:"), named) << c.name;

        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name << run.err.toStdString();
        const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        EXPECT_TRUE(lines.filter("Trouble codes could not be read").isEmpty()) << c.name;
        const bool o2NotRead = c.notRead.contains("oxygen-sensor tests");
        EXPECT_EQ(
            lines.contains("\t  <O2_NOT_READ>Oxygen-sensor tests could not be read</O2_NOT_READ>"),
            o2NotRead)
            << c.name;
        EXPECT_EQ(lines.contains("      <VEHICLE_VIN>N/A</VEHICLE_VIN>"), c.notRead.contains("VIN"))
            << c.name;
        QFile html(out + ".html");
        ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_EQ(html.readAll().contains("Oxygen-sensor tests could not be read"), o2NotRead)
            << c.name;
    }
}

// The monitor tests follow the other sections, the failing catalyst test marked in the document
// and in the HTML: on CAN by its monitor, in the older form by its manufacturer's test.
TEST_F(PtyCli, ReportListsTheMonitorTestsWithTheFailedOneMarked) {
    const struct {
        const char* name;
        bool elm327;
        const char* failed; // the first cell of the failing row that names it
    } cases[] = {{"can", true, "Catalyst monitor bank 1"}, {"older form", false, "TID 81"}};
    const QString dir = test_env::freshDir("cli-report-monitors");
    for (const auto& c : cases) {
        PtyElm::Config config;
        config.profile = QStringLiteral("full");
        config.elm327 = c.elm327;
        const QString out = dir + "/" + c.name + ".xml";
        const CliRun run =
            runTool({"--port", serve(config), "report", "--out", out, "--html", out + ".html"});
        EXPECT_TRUE(run.errLines().filter("monitor tests").isEmpty())
            << c.name << run.err.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name << run.err.toStdString();
        const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        EXPECT_GT(lines.count("\t  <MONITOR_TEST>"), 3) << c.name;
        EXPECT_EQ(lines.filter("<MT_STATE>not-read</MT_STATE>").size(), 0) << c.name;
        ASSERT_EQ(lines.filter("<MT_STATE>fail</MT_STATE>").size(), 1) << c.name;
        const qsizetype fail = lines.indexOf("\t    <MT_STATE>fail</MT_STATE>");
        EXPECT_TRUE(lines.mid(fail - 8, 8).join("").contains(c.failed)) << c.name;
        EXPECT_TRUE(lines.contains("\t    <MT_RESULT>Fail</MT_RESULT>")) << c.name;
        QFile html(out + ".html");
        ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << c.name;
        const QString page = QString::fromUtf8(html.readAll());
        EXPECT_EQ(page.count("class=\"fail\""), 7) << c.name;
        EXPECT_TRUE(page.contains(QStringLiteral("class=\"fail\" bgcolor=\"#F4C7C3\">") + c.failed))
            << c.name << page.toStdString();
        elm.reset();
    }
}

// On CAN each monitor's tests come as one multi-frame message; the older form one message per
// test and component, its values unscaled.
TEST_F(PtyCli, MonitoringResultsOfTheFullVehicleOnEachChip) {
    PtyElm::Config config;
    config.profile = QStringLiteral("full");
    config.elm327 = true;
    const CliRun can = runTool({"--port", serve(config), "--json", "monitors"});
    ASSERT_EQ(can.code, 0) << can.err.toStdString();
    int failed = 0;
    double cylinder3Counts = 0;
    for (const QJsonValue& value : can.json()["monitors"].toArray()) {
        const QJsonObject row = value.toObject();
        if (row["passed"] == QJsonValue(false)) {
            ++failed;
            EXPECT_EQ(row["monitor"].toString(), "Catalyst monitor bank 1");
        }
        if (row["mid"].toString() == "A4")
            cylinder3Counts += row["value"].toDouble();
    }
    EXPECT_EQ(failed, 1);
    EXPECT_GT(cylinder3Counts, 0);
    elm.reset();

    const CliRun legacy = runTool({"--port", serve("full"), "monitors"});
    ASSERT_EQ(legacy.code, 0) << legacy.err.toStdString();
    EXPECT_EQ(
        legacy.outLines(),
        QStringList({"Component 01\tRich to lean sensor threshold voltage\t90\t-\t100\traw\tPASS",
                     "Component 02\tRich to lean sensor threshold voltage\t92\t-\t100\traw\tPASS",
                     "Component 01\tRich to lean sensor switch time\t32\t16\t-\traw\tPASS",
                     "Component 01\tTID 81\t320\t-\t256\traw\tFAIL"}));
}

// On a CAN vehicle through an ELM327 a watch asks six PIDs a request, with the number of units
// that answer them, and reads every value; switched off, one PID a request as before.
TEST_F(PtyCli, WatchOnCanAsksSeveralPidsARequest) {
    PtyElm::Config config;
    config.profile = QStringLiteral("full");
    config.elm327 = true;
    config.elm327Settings.secondUnit = true;
    const QStringList pids{"0C", "0D", "05", "04", "0F", "11", "06", "07", "0E", "10", "1F", "2F"};
    for (bool grouped : {true, false}) {
        SCOPED_TRACE(grouped);
        const QString port = serve(config);
        QFile::remove(CommLog::path());
        CliTuning tuning = fastTuning();
        tuning.groupedRequests = grouped;
        const CliRun watch = runTool(QStringList{"--port", port, "--log", "--json", "watch"} +
                                         pids + QStringList{"--count", "2"},
                                     tuning);
        ASSERT_EQ(watch.code, 0) << watch.err.toStdString();
        const QStringList lines = watch.outLines();
        ASSERT_EQ(lines.size(), 3);
        for (const QString& line : lines.mid(1)) {
            const QJsonArray values =
                QJsonDocument::fromJson(line.toUtf8()).object().value("values").toArray();
            ASSERT_EQ(values.size(), pids.size());
            for (const QJsonValue& value : values)
                EXPECT_TRUE(value.isString() && !value.toString().contains("Error"))
                    << line.toStdString();
        }
        QStringList requests;
        for (const QString& logLine : readCrLfLines(CommLog::path()))
            if (logLine.contains(" - S: 01") && !logLine.contains(" - S: 0100"))
                requests << logLine.mid(logLine.indexOf(" - S: ") + 6);
        // The connection reads its own PIDs; the watch's are the last ones.
        const QStringList cycle = requests.mid(requests.size() - (grouped ? 2 : 12));
        if (grouped)
            EXPECT_EQ(cycle, QStringList({"010C0D05040F112", "0106070E101F2F1"}));
        else
            EXPECT_EQ(cycle.first(), "010C2");
        QFile::remove(CommLog::path());
    }
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
