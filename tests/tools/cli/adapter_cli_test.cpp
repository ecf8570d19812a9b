// Real adapters as the user meets them, through the emulator on a pseudo-terminal and the
// command-line tool as processes: the baud rate found automatically and kept, clone families,
// and the late answer of another program's reset.

#include "core/settings/settings_store.h"
#include "tests/support/qt_printers.h"
#include "tests/tools/cli/tool_processes.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The settings file of this test process as the program would have written it, with the rate.
void storeBaudRate(const QString& text) {
    QFile::remove(SettingsStore::defaultPath());
    SettingsStore store;
    ASSERT_TRUE(store.open(true));
    store.writeText(QStringLiteral("BaudRate"), text);
    store.close();
}

QString storedBaudRate() {
    SettingsStore store;
    if (!store.open(false))
        return {};
    const QString text = store.readText(QStringLiteral("BaudRate")).value_or(QString());
    store.close();
    return text;
}

QString joinedForMessage(const ToolRun& run) {
    return (run.lines + run.errLines).join('|');
}

// The adapter runs at one rate and the settings hold another; the automatic rate finds the
// adapter's, names it and stores it. At a rate nobody uses, every probe meets noise.
TEST(AdapterCli, AutomaticBaudRateFindsAndKeepsTheAdaptersRate) {
    struct Case {
        const char* adapter;
        const char* stored;
        const char* expectedLine; // nullptr: the connection fails
        const char* storedAfter;
    };
    const Case cases[] = {
        {"38400", "9600", "OK   Baud rate: 38400", "38400"},
        {"9600", "38400", "OK   Baud rate: 9600", "9600"},
        {"115200", "115200", nullptr, "115200"}, // found first: no line
        {"1200", "9600", nullptr, "9600"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.adapter);
        storeBaudRate(QLatin1String(c.stored));
        ElmsimProcess elm({"--chip", "elm327", "--baud", QLatin1String(c.adapter)});
        ASSERT_FALSE(elm.device().isEmpty());
        const ToolRun run = runCliProcess(elm.device(), QStringLiteral("connect"));
        const bool reachable = QLatin1String(c.adapter) != QLatin1String("1200");
        EXPECT_EQ(run.code, reachable ? 0 : 1) << joinedForMessage(run).toStdString();
        const QStringList baudLines = run.lines.filter(QStringLiteral("Baud rate"));
        if (c.expectedLine)
            EXPECT_EQ(baudLines, QStringList{QLatin1String(c.expectedLine)});
        else
            EXPECT_TRUE(baudLines.isEmpty()) << joinedForMessage(run).toStdString();
        if (!reachable) {
            EXPECT_TRUE(
                (run.lines + run.errLines)
                    .contains(
                        "ERR  The interface does not answer at any usual speed (tried 9600, 38400, "
                        "115200, 57600, 230400, 500000 baud)"))
                << joinedForMessage(run).toStdString();
        }
        EXPECT_EQ(storedBaudRate(), QLatin1String(c.storedAfter));
    }
    // A fixed rate is the user's: no search, and the wrong one does not answer.
    storeBaudRate(QStringLiteral("9600"));
    ElmsimProcess elm({"--chip", "elm327", "--baud", "38400"});
    const ToolRun fixed = runCliProcess(elm.device(), {"--baud", "9600", "connect"});
    EXPECT_EQ(fixed.code, 1);
    EXPECT_TRUE((fixed.lines + fixed.errLines).contains("ERR  response from interface: Error"))
        << joinedForMessage(fixed).toStdString();
    QFile::remove(SettingsStore::defaultPath());
}

// Every clone family connects, reads codes and polls as the chip it imitates does: its refusals
// of the newer commands are passed over, its echo, blank lines, status lines and lower-case hex
// are read through, on a CAN car and on an ISO 9141 one (where "BUS INIT" belongs).
TEST(AdapterCli, CloneFamiliesReadLikeTheChip) {
    const QList<QStringList> commands{{"connect"}, {"dtc"}, {"watch", "0C", "05", "--count", "2"}};
    // The port differs from emulator to emulator. No clone takes ATH1, so none tells the control
    // units apart: that line is checked on its own, and its codes come without their unit.
    const QString notApart = QStringLiteral("--   Control units not told apart");
    const auto comparable = [&notApart](QStringList lines) {
        lines.removeIf([&notApart](const QString& l) {
            return l.contains(QLatin1String("Port: ")) || l == notApart;
        });
        lines.replaceInStrings(QStringLiteral("ELM327 v1.5"), QStringLiteral("ELM327 v2.1"));
        lines.replaceInStrings(QRegularExpression(QStringLiteral("  \\([^()]*\\)$")), QString());
        return lines;
    };
    const struct {
        const char* clone;
        const char* protocol;
    } cases[] = {{"v21", "6"}, {"echo", "6"}, {"chatty", "6"}, {"echo", "3"}, {"chatty", "3"}};
    for (const auto& c : cases) {
        const QStringList chip{"--chip", "elm327", "--protocol", QLatin1String(c.protocol)};
        ElmsimProcess reference(chip);
        ElmsimProcess elm(chip + QStringList{"--clone", QLatin1String(c.clone)});
        ASSERT_FALSE(elm.device().isEmpty());
        for (const QStringList& command : commands) {
            SCOPED_TRACE(std::string(c.clone) + " on " + c.protocol + ": " +
                         command.join(' ').toStdString());
            const ToolRun expected = runCliProcess(reference.device(), command);
            const ToolRun got = runCliProcess(elm.device(), command);
            ASSERT_EQ(expected.code, 0);
            EXPECT_EQ(got.code, 0) << joinedForMessage(got).toStdString();
            if (command.first() == QLatin1String("watch")) {
                // Values move between the runs; their number and their form do not.
                EXPECT_EQ(got.lines.size(), expected.lines.size());
                EXPECT_TRUE(got.lines.filter(QStringLiteral("N/A")).isEmpty())
                    << joinedForMessage(got).toStdString();
                continue;
            }
            EXPECT_EQ(comparable(got.lines), comparable(expected.lines));
            if (command.first() == QLatin1String("connect")) {
                EXPECT_EQ(got.lines.count(notApart), 1) << joinedForMessage(got).toStdString();
            }
        }
    }
}

// Right after another program closed with a reset, its answer comes just before ours, and ours a
// second later: the sequence must not take the one for the other and fail at "Echo off".
TEST(AdapterCli, LateResetAnswerOfAnotherProgramIsPassedOver) {
    ElmsimProcess elm({"--chip", "elm327", "--realtime", "--late-reset"});
    ASSERT_FALSE(elm.device().isEmpty());
    const ToolRun run = runCliProcess(elm.device(), QStringLiteral("connect"));
    EXPECT_EQ(run.code, 0) << joinedForMessage(run).toStdString();
    EXPECT_TRUE(run.lines.contains("OK   Echo off: OK")) << joinedForMessage(run).toStdString();
}

} // namespace
