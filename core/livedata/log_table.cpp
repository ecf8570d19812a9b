#include "core/livedata/log_table.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDay = 86400.0;
constexpr qsizetype kMaxUnitBytes = 16;
// Short records of a wide header would otherwise turn a few bytes into many stored values: the
// values kept are bounded (256 MB), far beyond any real log within MaxLogFileBytes.
constexpr qsizetype kMaxColumns = 1000;
constexpr qsizetype kMaxValues = 32 * 1024 * 1024;

bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t') || u == 0x7f;
}

// Splits one line into fields, quotes removed and doubled quotes undone. A line end always ends
// the record, even inside quotes: the program never writes one there, and an unmatched quote in a
// damaged file then spoils its own line only. Returns false at the end of the text.
bool nextRecord(const char*& p, const char* end, std::vector<std::string>& fields, bool& control) {
    fields.clear();
    control = false;
    if (p >= end)
        return false;
    std::string current;
    bool inQuotes = false;
    while (p < end) {
        const char c = *p++;
        if (c == '\n')
            break;
        if (c == '\r') {
            if (p < end && *p == '\n')
                ++p;
            break;
        }
        if (inQuotes) {
            if (c != '"')
                current += c;
            else if (p < end && *p == '"')
                current += *p++;
            else
                inQuotes = false;
        } else if (c == '"' && current.find_first_not_of(" \t") == std::string::npos) {
            current.clear();
            inQuotes = true;
        } else if (c == ',') {
            fields.push_back(std::move(current));
            current.clear();
            continue;
        } else {
            current += c;
        }
        control = control || isControl(c);
    }
    fields.push_back(std::move(current));
    return true;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number at the start of s; consumed receives how many bytes it took (0: none).
double numberPrefix(std::string_view s, size_t& consumed) {
    consumed = 0;
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    char buffer[64];
    size_t n = 0;
    auto put = [&](char c) {
        if (n < sizeof buffer)
            buffer[n] = c;
        ++n;
    };
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (s[i] == '-')
            put('-');
        ++i;
    }
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        put(s[i++]);
        ++digits;
    }
    if (i + 1 < s.size() && (s[i] == '.' || s[i] == ',') && isDigit(s[i + 1])) {
        put('.');
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            put(s[i++]);
            ++digits;
        }
    }
    if (digits == 0 || n > sizeof buffer)
        return kNaN;
    if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            put('e');
            if (s[i + 1] == '-')
                put('-');
            i = j;
            while (i < s.size() && isDigit(s[i]))
                put(s[i++]);
        }
    }
    if (n > sizeof buffer)
        return kNaN;
    double value = kNaN;
    const auto result = std::from_chars(buffer, buffer + n, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return kNaN;
    consumed = i;
    return value;
}

QString unitAfter(std::string_view s) {
    s = trimmed(s);
    size_t n = 0;
    while (n < s.size() && s[n] != ' ' && s[n] != ',' && s[n] != ';')
        ++n;
    return QString::fromUtf8(s.data(), qsizetype(std::min<size_t>(n, kMaxUnitBytes))).trimmed();
}

// Seconds after midnight of "hh:mm:ss", "hh:mm:ss.zzz" or a date and such a time; NaN otherwise.
double clockSeconds(std::string_view s) {
    const size_t lastSpace = s.find_last_of(" T");
    if (lastSpace != std::string_view::npos)
        s.remove_prefix(lastSpace + 1);
    double parts[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const size_t colon = k < 2 ? s.find(':') : s.size();
        if (colon == std::string_view::npos)
            return kNaN;
        const std::string_view part = s.substr(0, colon);
        size_t used = 0;
        parts[k] = numberPrefix(part, used);
        if (used != part.size() || std::isnan(parts[k]) || parts[k] < 0)
            return kNaN;
        s.remove_prefix(std::min(colon + 1, s.size()));
    }
    if (parts[0] >= 24 || parts[1] >= 60 || parts[2] >= 61)
        return kNaN;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

int timeColumnOf(const std::vector<std::string>& header) {
    for (size_t i = 0; i < header.size(); ++i) {
        const QString name = QString::fromUtf8(trimmed(header[i])).toLower();
        if (name.startsWith(QLatin1String("time")) || name == QLatin1String("t") ||
            name == QLatin1String("zeit") || name == QLatin1String("datetime") ||
            name == QLatin1String("date/time"))
            return int(i);
    }
    return -1;
}

double medianStep(const std::vector<double>& times) {
    std::vector<double> steps;
    steps.reserve(times.size());
    for (size_t i = 1; i < times.size(); ++i)
        if (times[i] > times[i - 1])
            steps.push_back(times[i] - times[i - 1]);
    if (steps.empty())
        return 1.0;
    auto middle = steps.begin() + qsizetype(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return *middle;
}

} // namespace

double leadingNumber(const QString& text, QString* unitOut) {
    const QByteArray bytes = text.toUtf8();
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    size_t used = 0;
    const double value = numberPrefix(view, used);
    if (unitOut != nullptr)
        *unitOut = used == 0 ? QString() : unitAfter(view.substr(used));
    return value;
}

LogTable parseLogTable(const QByteArray& bytes) {
    if (bytes.size() > MaxLogFileBytes)
        throw LogReadError(QStringLiteral("the file is larger than %1 MiB; split it first")
                               .arg(MaxLogFileBytes / (1024 * 1024)));
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    // A byte-order mark some spreadsheets write before the header.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        p += 3;

    std::vector<std::string> fields;
    bool control = false;
    std::vector<std::string> header;
    while (nextRecord(p, end, fields, control)) {
        if (fields.size() == 1 && trimmed(fields[0]).empty())
            continue;
        header = fields;
        break;
    }
    if (control || header.size() < 2)
        throw LogReadError(QStringLiteral("not a CSV log: the first line names no columns"));
    const int timeColumn = timeColumnOf(header);
    if (timeColumn < 0)
        throw LogReadError(QStringLiteral("no time column: the header names none called Time"));
    const QString timeName = QString::fromUtf8(trimmed(header[size_t(timeColumn)])).toLower();
    const double numericScale = timeName.contains(QLatin1String("ms")) ? 0.001 : 1.0;

    LogTable table;
    std::vector<size_t> columnOf; // the field index of each series
    for (size_t i = 0; i < header.size(); ++i) {
        if (int(i) == timeColumn)
            continue;
        QString name = QString::fromUtf8(trimmed(header[i]));
        if (name.isEmpty())
            name = QStringLiteral("Column %1").arg(i + 1);
        table.series.push_back({name, {}, {}});
        columnOf.push_back(i);
    }
    if (qsizetype(table.series.size()) > kMaxColumns)
        throw LogReadError(
            QStringLiteral("the header names more than %1 columns").arg(kMaxColumns));
    const qsizetype perRecord = std::max<qsizetype>(1, qsizetype(table.series.size()));
    const qsizetype lineEstimate =
        std::min<qsizetype>(std::count(p, end, '\n') + 1, kMaxValues / perRecord);
    table.times.reserve(size_t(lineEstimate));
    for (LogSeries& s : table.series)
        s.values.reserve(size_t(lineEstimate));

    bool decided = false;
    double first = 0, previous = 0, dayOffset = 0;
    while (nextRecord(p, end, fields, control)) {
        if (fields.size() == 1 && trimmed(fields[0]).empty())
            continue;
        if (control || fields.size() <= size_t(timeColumn)) {
            ++table.skippedLines;
            continue;
        }
        const std::string_view timeText = trimmed(fields[size_t(timeColumn)]);
        if (!decided) {
            table.clockTime = timeText.find(':') != std::string_view::npos;
            decided = true;
        }
        double t = kNaN;
        if (table.clockTime) {
            t = clockSeconds(timeText);
        } else {
            size_t used = 0;
            t = numberPrefix(timeText, used) * numericScale;
            if (used != timeText.size())
                t = kNaN;
        }
        if (std::isnan(t)) {
            ++table.skippedLines;
            continue;
        }
        if (qsizetype(table.times.size()) >= kMaxValues / perRecord)
            throw LogReadError(
                QStringLiteral("the file holds more than %1 values").arg(kMaxValues));
        if (table.times.empty()) {
            first = previous = t;
            table.startClock = t;
        }
        double absolute = t + dayOffset;
        // A clock that falls by more than half a day has passed midnight; a smaller fall is a
        // clock set back, kept in order so that every time search stays valid.
        if (table.clockTime && absolute < previous - kDay / 2) {
            dayOffset += kDay;
            absolute += kDay;
        }
        absolute = std::max(absolute, previous);
        previous = absolute;
        table.times.push_back(absolute - first);
        if (fields.size() > header.size())
            ++table.extraFields;
        for (size_t s = 0; s < columnOf.size(); ++s) {
            double value = kNaN;
            if (columnOf[s] < fields.size()) {
                const std::string_view cell(fields[columnOf[s]]);
                size_t used = 0;
                value = numberPrefix(cell, used);
                LogSeries& series = table.series[s];
                if (used != 0 && series.unit.isEmpty())
                    series.unit = unitAfter(cell.substr(used));
            }
            table.series[s].values.push_back(value);
        }
    }
    if (table.times.empty())
        throw LogReadError(QStringLiteral("the file holds no record with a readable time"));
    if (!table.clockTime)
        table.startClock = 0;
    table.gapSeconds = 4 * medianStep(table.times);
    return table;
}

LogTable readLogFile(const QString& path) {
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LogReadError(QStringLiteral("%1: %2").arg(shown, file.errorString()));
    if (file.size() > MaxLogFileBytes)
        throw LogReadError(QStringLiteral("%1: the file is larger than %2 MiB; split it first")
                               .arg(shown)
                               .arg(MaxLogFileBytes / (1024 * 1024)));
    const QByteArray bytes = file.read(MaxLogFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw LogReadError(QStringLiteral("%1: %2").arg(shown, file.errorString()));
    try {
        return parseLogTable(bytes);
    } catch (const LogReadError& e) {
        throw LogReadError(QStringLiteral("%1: %2").arg(shown, e.message()));
    }
}
