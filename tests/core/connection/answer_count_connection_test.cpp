// The connection sequence sets up an ELM327's timing and answer count, and the live-data requests
// that follow carry the count, fall back where a unit stays silent, and never change on the
// ELM323. What goes out is read from the communication log, which shows requests as sent.

#include "core/j1979/service01.h"
#include "core/link/comm_log.h"
#include "core/link/elm327_commands.h"

#include "tests/core/connection/pty_connection.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(takesAnswerCount, FromVersion13OfTheElm327On) {
    for (const char* yes : {"ELM327 v1.3", "ELM327 v1.3a", "ELM327 v1.5", "ELM327 v2.1",
                            "ELM327 v1.4b", "OBDII ELM327 v2.2"})
        EXPECT_TRUE(takesAnswerCount(yes)) << yes;
    for (const char* no : {"ELM327 v1.0", "ELM327 v1.2a", "ELM327 v0.9", "ELM323 v2.0", "ELM327",
                           "ELM327 vX.Y", "", "Error"})
        EXPECT_FALSE(takesAnswerCount(no)) << no;
}

struct Connected : PtyConnection {
    explicit Connected(const PtyElm::Config& config) : PtyConnection(config) {
        QFile::remove(CommLog::path());
        context.link.setCommLogging(true);
    }
    ~Connected() {
        context.link.setCommLogging(false);
        QFile::remove(CommLog::path());
    }

    std::optional<QString> value(const char* pid) {
        return Service01().pidValue(context.link, QStringLiteral("01"), QLatin1String(pid), false);
    }
    // The commands sent since the log was opened.
    static QStringList sent() {
        QStringList commands;
        for (const QString& line : readCrLfLines(CommLog::path())) {
            const qsizetype at = line.indexOf(QLatin1String(" - S: "));
            if (at >= 0)
                commands << line.mid(at + 6);
        }
        return commands;
    }
};

PtyElm::Config elm327(int units) {
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.secondUnit = units == 2;
    return config;
}

class CountedLiveData : public testing::TestWithParam<int> {};

TEST_P(CountedLiveData, RequestsCarryTheUnitsThatAnswerService01) {
    const int units = GetParam();
    Connected c(elm327(units));
    ASSERT_TRUE(c.sequence.initializeConnection());
    EXPECT_EQ(c.context.link.service01Units(), units);
    const QStringList setup = Connected::sent();
    ASSERT_TRUE(setup.contains("ATAT1"));
    EXPECT_LT(setup.indexOf("ATAT1"), setup.indexOf("0100")); // before the vehicle is asked
    EXPECT_LT(setup.indexOf("ATS0"), setup.indexOf("0100"));
    // "0100" goes out for the control-unit check and once more with headers once the protocol is
    // known, to tell the units apart; the count starts right after.
    EXPECT_EQ(setup.count("0100"), 2);
    const qsizetype protocol = setup.lastIndexOf("ATDPN");
    ASSERT_GT(protocol, setup.indexOf("0100"));
    EXPECT_EQ(setup.mid(protocol + 1, 3), (QStringList{"ATH1", "0100", "ATH0"}));
    EXPECT_TRUE(setup.value(protocol + 4).endsWith(QString::number(units)))
        << qPrintable(setup.value(protocol + 4));

    const qsizetype before = Connected::sent().size();
    EXPECT_EQ(c.value("05"), "40");
    EXPECT_EQ(c.value("0D"), "0");
    const QString digit = QString::number(units);
    // The connection's last reads told the units apart; live data switches the headers off once.
    EXPECT_EQ(Connected::sent().mid(before), QStringList({"ATH0", "0105" + digit, "010D" + digit}));

    // The same count on the next connection; none once the link is down.
    ASSERT_TRUE(c.sequence.initializeConnection());
    EXPECT_EQ(c.context.link.service01Units(), units);
    c.sequence.disconnect();
    EXPECT_EQ(c.context.link.service01Units(), 0);
}

INSTANTIATE_TEST_SUITE_P(OneAndTwoUnits, CountedLiveData, testing::Values(1, 2));

TEST(CountedLiveDataFallback, PidOnlyTheEngineAnswersLearnsItsCountWithoutLosingAValue) {
    Connected c(elm327(2));
    ASSERT_TRUE(c.sequence.initializeConnection());
    const qsizetype before = Connected::sent().size();
    // Throttle position: the transmission does not report it.
    const std::optional<QString> throttle = c.value("11");
    EXPECT_EQ(throttle, c.value("11"));
    EXPECT_NE(throttle, std::nullopt);
    EXPECT_EQ(c.value("05"), "40");
    EXPECT_EQ(Connected::sent().mid(before), QStringList({"ATH0", "01112", "01111", "01052"}));
}

TEST(CountedLiveDataFallback, SwitchedOffOrAnElm323SendsThePlainRequests) {
    PtyElm::Config plainChip;
    for (bool elm327Chip : {true, false}) {
        Connected c(elm327Chip ? elm327(1) : plainChip);
        c.context.link.setAnswerCountAllowed(!elm327Chip);
        ASSERT_TRUE(c.sequence.initializeConnection());
        const QStringList setup = Connected::sent();
        EXPECT_EQ(setup.contains("ATAT1"), elm327Chip);
        const qsizetype before = setup.size();
        EXPECT_EQ(c.value("05"), "40");
        EXPECT_EQ(Connected::sent().mid(before), QStringList({"ATH0", "0105"}));
    }
}

} // namespace
