// The command-line tool and the emulator as the user runs them, as processes: `connect`, `dtc`
// and `vin` through an emulated ELM327 on a CAN vehicle give what they give through the ELM323.

#include "tests/support/qt_printers.h"
#include "tests/tools/cli/tool_processes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The stage lines without the port (each emulator has its own device) and the chip's own lines.
QStringList comparableStages(QStringList lines) {
    lines.removeIf([](const QString& line) {
        return line.contains(QLatin1String("Port: ")) || line.contains(QLatin1String("Chip")) ||
               line.contains(QLatin1String("rotocol"));
    });
    return lines;
}

class Elm327Cli : public testing::TestWithParam<bool> {};

TEST_P(Elm327Cli, ConnectDtcAndVinLikeTheElm323) {
    ElmsimProcess reference({"--units", "2"});
    ElmsimProcess can({"--chip", "elm327", "--protocol", "6", "--headers",
                       GetParam() ? "on" : "off", "--units", "2"});
    ASSERT_FALSE(reference.device().isEmpty());
    ASSERT_FALSE(can.device().isEmpty());

    const ToolRun connect323 = runCliProcess(reference.device(), QStringLiteral("connect"));
    const ToolRun connect327 = runCliProcess(can.device(), QStringLiteral("connect"));
    ASSERT_EQ(connect327.code, 0) << connect327.lines.join('|').toStdString();
    ASSERT_EQ(connect323.code, 0);
    EXPECT_EQ(connect327.lines.size(), 17);
    EXPECT_TRUE(connect327.lines.contains(
        "OK   Protocol: A6 (Automatic protocol search), ISO 15765-4 CAN 11 bit 500 kbaud"))
        << connect327.lines.join('|').toStdString();
    EXPECT_EQ(comparableStages(connect327.lines), comparableStages(connect323.lines));

    for (const char* command : {"dtc", "vin"}) {
        const ToolRun expected = runCliProcess(reference.device(), QLatin1String(command));
        const ToolRun got = runCliProcess(can.device(), QLatin1String(command));
        EXPECT_EQ(got.code, 0) << command;
        EXPECT_FALSE(expected.lines.isEmpty());
        QStringList wanted = expected.lines;
        if (QLatin1String(command) == QLatin1String("vin")) {
            // The older protocols' numbered calibration messages are read by the first unit's
            // count; a CAN answer names the transmission's calibration ID and CVN apart.
            const qsizetype firstCvn = wanted.indexOf(QRegularExpression("CVN: .*"));
            ASSERT_GT(firstCvn, 0);
            wanted.insert(firstCvn, QStringLiteral("CID: TCM7700A01"));
            wanted << QStringLiteral("CVN: 4D1F0C21");
        }
        EXPECT_EQ(got.lines, wanted) << command;
    }
}

INSTANTIATE_TEST_SUITE_P(HeadersOnAndOff, Elm327Cli, testing::Bool());

// A clone that echoes every command despite ATE0, as an ELM323 and as an ELM327 on an ISO 9141
// vehicle (where it also reports its protocol search), reads like the chip that keeps quiet.
TEST(Elm327Cli, EchoingCloneReadsLikeAQuietChip) {
    for (const QStringList& chip :
         {QStringList{}, QStringList{"--chip", "elm327", "--protocol", "3"}}) {
        ElmsimProcess quiet(chip);
        ElmsimProcess echoing(chip + QStringList{"--keep-echo"});
        ASSERT_FALSE(quiet.device().isEmpty());
        ASSERT_FALSE(echoing.device().isEmpty());
        for (const char* command : {"connect", "dtc"}) {
            const ToolRun expected = runCliProcess(quiet.device(), QLatin1String(command));
            const ToolRun got = runCliProcess(echoing.device(), QLatin1String(command));
            ASSERT_EQ(expected.code, 0) << command;
            EXPECT_EQ(got.code, 0) << command << got.errLines.join('|').toStdString();
            EXPECT_EQ(comparableStages(got.lines), comparableStages(expected.lines)) << command;
        }
    }
}

// Before a two-unit car `raw` prints each unit's answer on its own line, as the chip sent it;
// once the two were glued into one string of digits.
TEST(Elm327Cli, RawAnswerKeepsALineForEachUnit) {
    ElmsimProcess can({"--chip", "elm327", "--protocol", "6", "--units", "2"});
    ASSERT_FALSE(can.device().isEmpty());
    const ToolRun raw = runCliProcess(can.device(), {"raw", "010C"});
    ASSERT_EQ(raw.code, 0) << raw.errLines.join('|').toStdString();
    ASSERT_EQ(raw.lines.size(), 2) << raw.lines.join('|').toStdString();
    for (const QString& line : raw.lines)
        EXPECT_TRUE(QRegularExpression("^41 ?0C ?[0-9A-F]{2} ?[0-9A-F]{2}$").match(line).hasMatch())
            << line.toStdString();
}

// A car of today: the parameters above 4E with their units, a PID of several values as a line
// (and a CSV column) per value the car has, none for one byte A leaves out.
TEST(Elm327Cli, ModernCarAnswersTheParametersAbove4E) {
    ElmsimProcess modern({"--profile", "modern"});
    ASSERT_FALSE(modern.device().isEmpty());
    const ToolRun pid = runCliProcess(modern.device(), {"pid", "5C", "5E", "A6", "68"});
    ASSERT_EQ(pid.code, 0) << pid.errLines.join('|').toStdString();
    const QStringList patterns = {
        "^5C  Engine oil temperature: -?\\d+ °C$", "^5E  Engine fuel rate: \\d+\\.\\d\\d L/h$",
        "^A6  Odometer: \\d+\\.\\d km$", "^68  Intake air temperature bank 1 sensor 1: -?\\d+ °C$",
        "^68  Intake air temperature bank 1 sensor 2: -?\\d+ °C$"};
    ASSERT_EQ(pid.lines.size(), patterns.size()) << pid.lines.join('|').toStdString();
    for (qsizetype n = 0; n < patterns.size(); ++n)
        EXPECT_TRUE(QRegularExpression(patterns[n]).match(pid.lines[n]).hasMatch())
            << pid.lines[n].toStdString();

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("coolant.csv"));
    const ToolRun watch =
        runCliProcess(modern.device(), {"watch", "67", "--count", "1", "--csv", csv});
    ASSERT_EQ(watch.code, 0) << watch.errLines.join('|').toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine().trimmed(), QByteArray("\"Time\",\"Engine coolant temperature sensor "
                                                    "1\",\"Engine coolant temperature sensor 2\""));
}

TEST(Elm327Cli, EmulatorRefusesOptionsItDoesNotKnow) {
    for (const QStringList& arguments :
         {QStringList{"--chip", "elm329"}, QStringList{"--protocol", "11"},
          QStringList{"--headers", "maybe"}, QStringList{"--units", "3"},
          // The CAN cars cannot be reached but through the ELM327 on a CAN protocol.
          QStringList{"--profile", "modern", "--chip", "elm323"},
          QStringList{"--profile", "diesel", "--chip", "elm327", "--protocol", "3"}}) {
        QProcess elmsim;
        elmsim.start(QStringLiteral(ELMSIM_PATH), arguments);
        ASSERT_TRUE(elmsim.waitForFinished(10000));
        EXPECT_EQ(elmsim.exitCode(), 2) << arguments.join(' ').toStdString();
    }
}

QJsonObject jsonOf(const ToolRun& run) {
    return QJsonDocument::fromJson(run.lines.join('\n').toUtf8()).object();
}

// A two-unit car on each chip: `units`, `iupr` and `dtc` name each unit by the name it gave, the
// transmission's code by the transmission.
TEST(Elm327Cli, UnitsIuprAndDtcTellTheTwoUnitsApart) {
    const struct {
        QStringList chip;
        QStringList addresses;
    } cases[] = {
        {{"--units", "2"}, {"10", "18"}},
        {{"--chip", "elm327", "--units", "2", "--profile", "full"}, {"7E8", "7E9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chip.join(' ').toStdString());
        ElmsimProcess elm(c.chip);
        ASSERT_FALSE(elm.device().isEmpty());
        const ToolRun units = runCliProcess(elm.device(), {"units", "--json"});
        ASSERT_EQ(units.code, 0) << units.errLines.join('|').toStdString();
        const QJsonArray unitList = jsonOf(units)["units"].toArray();
        ASSERT_EQ(unitList.size(), 2);
        EXPECT_TRUE(jsonOf(units)["unitsApart"].toBool());
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(unitList[i]["address"].toString(), c.addresses[i]);
        EXPECT_EQ(unitList[0]["name"].toString(), "ECM-EngineControl");
        EXPECT_EQ(unitList[1]["name"].toString(), "TCM-TransmissionCtl");
        EXPECT_EQ(unitList[1]["calibrationIds"].toArray(), QJsonArray({"TCM7700A01"}));
        EXPECT_TRUE(unitList[1]["vin"].isNull());

        const ToolRun iupr = runCliProcess(elm.device(), {"iupr", "--json"});
        ASSERT_EQ(iupr.code, 0) << iupr.errLines.join('|').toStdString();
        const QJsonArray ratioUnits = jsonOf(iupr)["units"].toArray();
        ASSERT_EQ(ratioUnits.size(), 1); // the transmission keeps none
        EXPECT_EQ(ratioUnits[0]["ignition"].toString(), "spark");
        EXPECT_EQ(ratioUnits[0]["ignitionCycles"].toInt(), 540);
        const QJsonObject first = ratioUnits[0]["ratios"].toArray()[0].toObject();
        EXPECT_EQ(first["monitor"].toString(), "Catalyst bank 1");
        EXPECT_DOUBLE_EQ(first["ratio"].toDouble(), 0.375);

        const ToolRun dtc = runCliProcess(elm.device(), {"dtc", "--json"});
        ASSERT_EQ(dtc.code, 0);
        QStringList unitOfP0700;
        for (const QJsonValue code : jsonOf(dtc)["stored"].toArray())
            if (code["code"].toString() == "P0700")
                unitOfP0700 << code["unit"].toString();
        EXPECT_EQ(unitOfP0700, QStringList{c.addresses[1]});
    }
}

} // namespace
