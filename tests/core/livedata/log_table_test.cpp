#include "core/livedata/data_log.h"
#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"
#include "tests/support/log_file.h"
#include "tests/support/test_environment.h"

#include <QFile>
#include <QTime>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Values as the table shows them, NaN printed as "-" so that a table of expectations reads.
QStringList shown(const std::vector<double>& values) {
    QStringList out;
    for (double v : values)
        out << (std::isnan(v) ? QStringLiteral("-") : QString::number(v));
    return out;
}

TEST(LogTable, LeadingNumberOfValueTexts) {
    const struct {
        const char* text;
        double value; // NaN: none
        const char* unit;
    } cases[] = {
        {"0.450 V, trim: 0.0 %", 0.45, "V"},
        {" 850 rpm", 850, "rpm"},
        {"12,5 %", 12.5, "%"},
        {"-40 °C", -40, "°C"},
        {"1.5e3 Pa", 1500, "Pa"},
        {"7.", 7, "."},
        {"Error", NAN, ""},
        {"N/A", NAN, ""},
        {"", NAN, ""},
        {"-", NAN, ""},
        {"1e999", NAN, ""},
    };
    for (const auto& c : cases) {
        QString unit;
        const double value = leadingNumber(QString::fromUtf8(c.text), &unit);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(value)) << c.text;
        else
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        EXPECT_EQ(unit, QString::fromUtf8(c.unit)) << c.text;
    }
}

// The program's own log, written by its writer: quoted names with commas, "Error" cells, and a
// drive that passes midnight.
TEST(LogTable, ReadsTheProgramsOwnLogAcrossMidnight) {
    const QString path = test_env::freshDir("logtable-own") + "/drive.csv";
    DataLogWriter writer;
    writer.openFile(path, {"Engine RPM", "Catalyst Temperature Bank 1, Sensor 1", "O2 B1S1"});
    writer.writeRecord(QTime(23, 59, 58), {"850 rpm", "400.5 °C", "0.450 V, trim: 0.0 %"});
    writer.writeRecord(QTime(23, 59, 59), {"Error", "401 °C", "0.800 V, trim: 3.1 %"});
    writer.writeRecord(QTime(0, 0, 1), {"900 rpm", "N/A", "0.100 V, trim: -1.0 %"});
    writer.close();

    const LogTable table = readLogFile(path);
    ASSERT_EQ(table.series.size(), 3u);
    EXPECT_EQ(table.series[1].name, "Catalyst Temperature Bank 1, Sensor 1");
    EXPECT_EQ(table.series[1].unit, QString::fromUtf8("°C"));
    EXPECT_TRUE(table.clockTime);
    EXPECT_EQ(table.times, (std::vector<double>{0, 1, 3}));
    EXPECT_EQ(clockText(table, 3), "00:00:01.0");
    EXPECT_EQ(shown(table.series[0].values), (QStringList{"850", "-", "900"}));
    EXPECT_EQ(shown(table.series[1].values), (QStringList{"400.5", "401", "-"}));
    EXPECT_EQ(shown(table.series[2].values), (QStringList{"0.45", "0.8", "0.1"}));
}

TEST(LogTable, OtherFormsOfTimeAndRagedLines) {
    const struct {
        const char* text;
        std::vector<double> times;
        QStringList firstSeries;
        int skipped;
        bool clock;
    } cases[] = {
        // A recording with millisecond times.
        {"Time,A\n10:00:00.000,1\n10:00:00.250,2\n", {0, 0.25}, {"1", "2"}, 0, true},
        // Another program: seconds, unquoted, LF, a date before the time.
        {"t,A,B\n0.5,1,2\n1.5,3\n", {0, 1}, {"1", "3"}, 0, false},
        {"time_ms;x,A\n1000,5\n1250,6\n", {0, 0.25}, {"5", "6"}, 0, false},
        {"Date/Time,A\n2026-01-02 10:00:00,1\n2026-01-02T10:00:02,2\n",
         {0, 2},
         {"1", "2"},
         0,
         true},
        // Control bytes, an unreadable time and a blank line are skipped; the rest is kept.
        {"Time,A\n00:00:01,1\n00:00:0\x01"
         "2,2\nnoon,3\n\n00:00:03,4\n",
         {0, 2},
         {"1", "4"},
         2,
         true},
        // A clock set back a little is held, not a new day.
        {"Time,A\n10:00:05,1\n10:00:03,2\n", {0, 0}, {"1", "2"}, 0, true},
        // More fields than the header: the extra ones are ignored; an unmatched quote spoils
        // its own line only.
        {"Time,A\n1,1,9,9\n2,\"2\n3,3\n", {0, 1, 2}, {"1", "2", "3"}, 0, false},
    };
    for (const auto& c : cases) {
        const LogTable table = parseLogTable(QByteArray(c.text));
        EXPECT_EQ(table.times, c.times) << c.text;
        ASSERT_FALSE(table.series.empty()) << c.text;
        EXPECT_EQ(shown(table.series[0].values), c.firstSeries) << c.text;
        EXPECT_EQ(table.skippedLines, c.skipped) << c.text;
        EXPECT_EQ(table.clockTime, c.clock) << c.text;
    }
}

TEST(LogTable, BadFilesGiveTheReason) {
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"", "names no columns"},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "names no columns"},
        {"just one line of prose\n", "names no columns"},
        {"Speed,RPM\n1,2\n", "no time column"},
        {"Time,A\n", "no record"},
        {"Time,A\nlater,1\n", "no record"},
        {QByteArray(int(MaxLogFileBytes) + 1, 'x'), "larger than 64 MiB"},
        {"Time" + QByteArray(1001, ',') + "\n1\n", "more than 1000 columns"},
        // A wide header over many two-byte records would store far more than it reads.
        {"Time" + QByteArray(999, ',') + "\n" + QByteArray(40000, '1').replace("1", "1\n"),
         "more than 33554432 values"},
    };
    for (const auto& c : cases) {
        try {
            parseLogTable(c.bytes);
            ADD_FAILURE() << c.reason;
        } catch (const LogReadError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.reason))) << e.message().toStdString();
        }
    }
}

TEST(LogSpan, CursorAndStatisticsReadRecordedValues) {
    const LogTable table = parseLogTable("Time,A\n0,10\n1,Error\n2,30\n3,40\n10,50\n");
    const LogSeries& a = table.series[0];
    const struct {
        double t;
        qsizetype row;
    } cursor[] = {{-1, 0}, {0, 0}, {0.99, 0}, {1, 1}, {2, 2}, {9.9, 3}, {10, 4}, {99, 4}};
    for (const auto& c : cursor)
        EXPECT_EQ(rowAt(table, c.t), c.row) << c.t;

    const auto [first, last] = rowsBetween(table, 1, 3);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 4);
    const SpanStats stats = spanStats(a, first, last);
    EXPECT_EQ(stats.count, 2);
    EXPECT_DOUBLE_EQ(stats.min, 30);
    EXPECT_DOUBLE_EQ(stats.max, 40);
    EXPECT_DOUBLE_EQ(stats.mean, 35);
    EXPECT_EQ(spanStats(a, 1, 2).count, 0);
}

TEST(LogSpan, DownsampledColumnsKeepExtremesAndBreakAtGaps) {
    // One record a second, a missing value at 5 and a silent stretch from 6 to 20.
    const LogTable table = parseLogTable("t,A\n0,1\n1,9\n2,5\n3,4\n4,5\n5,Error\n6,2\n20,7\n");
    const std::vector<ColumnRange> columns = columnRanges(table, table.series[0], 0, 20, 4);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].low, 1);
    EXPECT_EQ(columns[0].high, 9);
    EXPECT_FALSE(columns[0].gapBefore);
    EXPECT_TRUE(columns[1].gapBefore); // the missing value at 5
    EXPECT_EQ(columns[1].low, 2);
    EXPECT_TRUE(columns[2].empty);
    EXPECT_TRUE(columns[3].gapBefore); // the fourteen silent seconds
}

TEST(LogSpan, VisibleSpanExportsAsCsvThatReadsBack) {
    const LogTable table =
        parseLogTable("\"Time\",\"A, b\",\"C\"\r\n\"10:00:00\",\"1 V\",\"Error\"\r\n"
                      "\"10:00:01\",\"2 V\",\"3\"\r\n\"10:00:02\",\"5 V\",\"6\"\r\n");
    const QString path = test_env::freshDir("logtable-export") + "/span.csv";
    writeSpanCsv(path, table, {1, 0}, 0, 1);
    EXPECT_EQ(readCrLfLines(path),
              (QStringList{"\"Time\",\"C\",\"A, b\"", "\"10:00:00\",\"\",\"1\"",
                           "\"10:00:01\",\"3\",\"2\""}));
    EXPECT_THROW(writeSpanCsv(path + "/nofolder/x.csv", table, {0}, 0, 1), LogReadError);
}

} // namespace
