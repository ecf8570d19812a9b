// Recording a session with `--record` and answering as the recorded car with `elmsim --replay`:
// every command gives against the replay what it gave against the car, and the hostile
// recordings stop the emulator with the line that is wrong.

#include "tests/support/not_a_file.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recordings.h"
#include "tests/tools/cli/tool_processes.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A report's lines, without the one that holds the date it was made.
QStringList reportLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no report)")};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.contains(QLatin1String("<DATE_TIME>")); });
    return lines;
}

struct Chip {
    const char* name;
    QStringList arguments;
};

// Each command recorded against the full car, then run again against its replay.
TEST(Recording, ReplayAnswersEveryCommandAsTheCarDid) {
    const Chip chips[] = {
        {"elm323", {"--profile", "full"}},
        {"elm327", {"--profile", "full", "--chip", "elm327"}},
        {"elm327, two units", {"--profile", "full", "--chip", "elm327", "--units", "2"}},
    };
    const QStringList commands[] = {
        {"status"}, {"dtc"}, {"freeze"}, {"o2"}, {"vin"}, {"pid", "0C", "05", "0D"}, {"report"}};
    QTemporaryDir dir;
    for (const Chip& chip : chips) {
        ElmsimProcess car(chip.arguments);
        ASSERT_FALSE(car.device().isEmpty()) << chip.name;
        for (const QStringList& command : commands) {
            const QString name = QStringLiteral("%1 %2").arg(QLatin1String(chip.name),
                                                             command.join(QLatin1Char(' ')));
            const QString recording = dir.filePath(name + QStringLiteral(".jsonl"));
            const bool report = command.first() == QLatin1String("report");
            auto run = [&](const QString& port, const QString& out, const QStringList& extra) {
                return runCliProcess(
                    port, command + extra + (report ? QStringList{"--out", out} : QStringList{}));
            };
            const QString outA = dir.filePath(name + QStringLiteral(" a.xml"));
            const QString outB = dir.filePath(name + QStringLiteral(" b.xml"));
            const ToolRun recorded = run(car.device(), outA, {"--record", recording});
            // The report of a CAN car lacks the oxygen-sensor tests: exit code 1 both times.
            ASSERT_LE(recorded.code, 1) << name.toStdString();
            ASSERT_FALSE(recorded.lines.isEmpty()) << name.toStdString();

            ElmsimProcess replay({"--replay", recording});
            ASSERT_FALSE(replay.device().isEmpty()) << name.toStdString();
            ToolRun replayed = run(replay.device(), outB, {});
            replayed.lines.replaceInStrings(outB, outA); // the report names its file
            EXPECT_EQ(replayed.code, recorded.code) << name.toStdString();
            EXPECT_EQ(replayed.lines, recorded.lines) << name.toStdString();
            if (report) {
                EXPECT_EQ(reportLines(outB), reportLines(outA)) << name.toStdString();
            }
        }
    }
}

// With --anonymize the VIN and the calibration IDs are placeholders of their length in the
// recording, and so in what is read from its replay.
TEST(Recording, AnonymizedRecordingHidesTheVehicle) {
    QTemporaryDir dir;
    for (const QStringList& chip :
         {QStringList{"--profile", "full"}, QStringList{"--profile", "full", "--chip", "elm327"},
          QStringList{"--chip", "elm327", "--headers", "on"}}) {
        ElmsimProcess car(chip);
        ASSERT_FALSE(car.device().isEmpty());
        const ToolRun original = runCliProcess(car.device(), QStringLiteral("vin"));
        ASSERT_EQ(original.code, 0);
        const QString recording = dir.filePath(QStringLiteral("anonymous.jsonl"));
        ASSERT_EQ(runCliProcess(car.device(), {"vin", "--record", recording, "--anonymize"}).code,
                  0);
        QFile file(recording);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readLine().contains("\"anonymized\":true"));

        ElmsimProcess replay({"--replay", recording});
        const ToolRun replayed = runCliProcess(replay.device(), QStringLiteral("vin"));
        ASSERT_EQ(replayed.code, 0);
        ASSERT_EQ(replayed.lines.size(), original.lines.size())
            << replayed.lines.join('|').toStdString();
        ASSERT_FALSE(replayed.lines.isEmpty());
        // The VIN line: same length, the placeholder instead of the car's.
        const QString vin = original.lines.first();
        EXPECT_EQ(replayed.lines.first().size(), vin.size());
        EXPECT_TRUE(replayed.lines.first().contains(QLatin1String("VIN00000000000001")))
            << replayed.lines.join('|').toStdString();
        for (qsizetype n = 0; n < original.lines.size(); ++n)
            if (original.lines[n].startsWith(QLatin1String("CID: "))) {
                EXPECT_TRUE(replayed.lines[n].contains(QLatin1String("CALID")))
                    << replayed.lines[n].toStdString();
            }
        const QString vinValue = vin.section(QLatin1Char(' '), -1);
        EXPECT_FALSE(replayed.lines.join(QLatin1Char('|')).contains(vinValue));
    }
}

// The program's communication log replays as a recording: its answers are the cleaned ones.
TEST(Recording, CommunicationLogReplays) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("LogFile.txt"));
    ASSERT_TRUE(writeFixture(log, kCommunicationLog));
    ElmsimProcess replay({"--replay", log});
    ASSERT_FALSE(replay.device().isEmpty());
    const ToolRun pid = runCliProcess(replay.device(), {"pid", "0C", "0D"});
    EXPECT_EQ(pid.code, 0) << pid.errLines.join('|').toStdString();
    ASSERT_EQ(pid.lines.size(), 2) << pid.lines.join('|').toStdString();
    EXPECT_TRUE(pid.lines[0].startsWith("0C") && pid.lines[0].contains(" 1726 "));
    EXPECT_TRUE(pid.lines[1].startsWith("0D") && pid.lines[1].contains(" 60 km/h"));
}

// What elmsim makes of recordings it cannot use: the file and line, and exit code 2; a last
// line cut short is left out with a warning.
TEST(Recording, HostileRecordingsStopTheReplay) {
    QTemporaryDir dir;
    const QByteArray header =
        R"({"recording":"vehicle session","format":1,"interface":"ELM323 v2.0"})"
        "\n";
    const QByteArray exchange =
        R"({"t":0,"command":"0100","answer":"41 00 BE 1F B8 10\r\r>","ms":5})"
        "\n";
    struct Case {
        const char* name;
        QByteArray content;
        QString expected; // the message after the file name; empty: the replay serves
    };
    const Case cases[] = {
        {"no JSON", "plain text\nmore of it\n",
         QStringLiteral(":1: no line of the communication log")},
        {"no session",
         R"({"recording":"something else"})"
         "\n" +
             exchange,
         QStringLiteral(":1: the first line does not describe a vehicle session")},
        {"newer format",
         R"({"recording":"vehicle session","format":9})"
         "\n" +
             exchange,
         QStringLiteral(":1: unknown format 9")},
        {"broken middle", header + "{\"command\":\n" + exchange, QStringLiteral(":2: no JSON")},
        {"no answer",
         header +
             R"({"command":"0100","ms":1})"
             "\n" +
             exchange,
         QStringLiteral(":2: \"answer\" is missing or no text")},
        {"wide character",
         header +
             R"({"command":"0100","answer":"\u20AC","ms":1})"
             "\n" +
             exchange,
         QStringLiteral(":2: \"answer\" holds a character that is no byte")},
        {"huge line", header + "{\"command\":\"" + QByteArray(600 * 1024, 'A') + "\"}\n" + exchange,
         QStringLiteral(":2: the line is longer than 512 KiB")},
        {"nothing recorded", header, QStringLiteral(": no exchange recorded")},
        {"orphan answer", "1.1.26 10:00:00 - R: 41 00\r\n1.1.26 10:00:00 - S: 0100\r\n",
         QStringLiteral(":1: an answer without its command")},
        {"another program's log", "> 0100\r\n41 00 BE 1F B8 10\r\n",
         QStringLiteral(":1: no line of the communication log")},
        {"cut last line", header + exchange + R"({"t":9,"command":"01)",
         QStringLiteral(":3: no JSON")},
        {"control bytes",
         header +
             R"({"t":0,"command":"0100","answer":"\u0000\u001b[2J41 00 BE 1F B8 10\r>","ms":1})"
             "\n",
         QString()},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QLatin1String(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        QProcess elmsim;
        elmsim.start(QStringLiteral(ELMSIM_PATH), {"--replay", path});
        const bool serves =
            c.expected.isEmpty() || QLatin1String(c.name) == QLatin1String("cut last line");
        if (serves) {
            ASSERT_TRUE(elmsim.waitForReadyRead(10000)) << c.name;
            elmsim.terminate();
            ASSERT_TRUE(elmsim.waitForFinished(10000)) << c.name;
            const QString warning = QString::fromUtf8(elmsim.readAllStandardError());
            if (!c.expected.isEmpty()) {
                EXPECT_TRUE(warning.contains(path + c.expected) && warning.contains("left out"))
                    << c.name << " " << warning.toStdString();
            }
            continue;
        }
        ASSERT_TRUE(elmsim.waitForFinished(10000)) << c.name;
        EXPECT_EQ(elmsim.exitCode(), 2) << c.name;
        EXPECT_TRUE(QString::fromUtf8(elmsim.readAllStandardError())
                        .startsWith(QStringLiteral("elmsim: ") + path + c.expected))
            << c.name << " " << elmsim.readAllStandardError().toStdString();
    }
}

// A recording that cannot be written stops the command as other files do.
TEST(Recording, UnwritableRecordingEndsWithCodeThree) {
    QTemporaryDir dir;
    ElmsimProcess car({});
    QStringList targets{dir.filePath(QStringLiteral("missing/r.jsonl"))};
    for (const NotAFile& kind : notAFileKinds()) {
        targets << dir.filePath(QLatin1String(kind.name));
        ASSERT_TRUE(kind.make(targets.last())) << kind.name;
    }
    for (const QString& target : targets) {
        const ToolRun run = runCliProcess(car.device(), {"status", "--record", target});
        EXPECT_EQ(run.code, 3) << target.toStdString();
        EXPECT_TRUE(run.errLines.join('|').contains(QStringLiteral("cannot write ") + target))
            << run.errLines.join('|').toStdString();
    }
}

} // namespace
