#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

class QByteArray;

// A recorded drive that cannot be read. The message is for the user and names the reason.
class LogReadError : public std::runtime_error {
public:
    explicit LogReadError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// One numeric column of a log. A cell without a leading number ("Error", "N/A", empty, a field
// the line lacks) is NaN; the plot marks it and never joins a line across it.
struct LogSeries {
    QString name;
    QString unit; // the text after the number of the first readable cell, e.g. "rpm"
    std::vector<double> values;
};

// A time-stamped table read from a CSV file: the program's data log ("hh:mm:ss" times, quoted
// value texts), a recording with millisecond times, or another program's export whose header
// names a time column.
struct LogTable {
    std::vector<double> times; // seconds since the first record, never decreasing
    std::vector<LogSeries> series;
    double startClock = 0; // seconds after midnight of the first record, when clockTime
    bool clockTime = false;
    double gapSeconds = 0; // a step longer than this between records is drawn as a gap
    int skippedLines = 0;  // lines without a readable time, or with control bytes
    int extraFields = 0;   // records with more fields than the header names (the rest ignored)

    qsizetype rowCount() const { return qsizetype(times.size()); }
};

// Files larger than this are refused with a message rather than read: 64 MiB holds about twelve
// hours of twelve series at ten records a second, and bounds the memory a hostile file can take.
inline constexpr qint64 MaxLogFileBytes = 64LL * 1024 * 1024;

// Reads the whole text of a log. Throws LogReadError when it holds no header with a time column,
// no record, or is larger than MaxLogFileBytes. Work and memory are linear in the size.
LogTable parseLogTable(const QByteArray& bytes);

// Opens and reads the file at path; throws LogReadError naming the file and the reason.
LogTable readLogFile(const QString& path);

// The leading number of a value text ("0.450 V, trim: 0.0 %" -> 0.450; "12,5 %" -> 12.5), NaN
// when the text does not begin with one. unitOut, when given, receives the word after it.
double leadingNumber(const QString& text, QString* unitOut = nullptr);
