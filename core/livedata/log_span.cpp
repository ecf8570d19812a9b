#include "core/livedata/log_span.h"

#include "core/livedata/data_log.h"
#include "core/settings/file_io.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

std::pair<qsizetype, qsizetype> rowsBetween(const LogTable& table, double from, double to) {
    const auto begin = std::lower_bound(table.times.begin(), table.times.end(), from);
    const auto end = std::upper_bound(begin, table.times.end(), to);
    return {begin - table.times.begin(), end - table.times.begin()};
}

qsizetype rowAt(const LogTable& table, double t) {
    const auto after = std::upper_bound(table.times.begin(), table.times.end(), t);
    return std::max<qsizetype>(0, (after - table.times.begin()) - 1);
}

SpanStats spanStats(const LogSeries& series, qsizetype first, qsizetype last) {
    SpanStats stats;
    double sum = 0;
    last = std::min<qsizetype>(last, qsizetype(series.values.size()));
    for (qsizetype i = std::max<qsizetype>(first, 0); i < last; ++i) {
        const double v = series.values[size_t(i)];
        if (std::isnan(v))
            continue;
        stats.min = stats.count == 0 ? v : std::min(stats.min, v);
        stats.max = stats.count == 0 ? v : std::max(stats.max, v);
        sum += v;
        ++stats.count;
    }
    if (stats.count > 0)
        stats.mean = sum / double(stats.count);
    return stats;
}

std::vector<ColumnRange> columnRanges(const LogTable& table, const LogSeries& series, double from,
                                      double to, int columns) {
    std::vector<ColumnRange> result(size_t(std::max(columns, 0)));
    if (columns <= 0 || !(to > from))
        return result;
    const auto [first, last] = rowsBetween(table, from, to);
    const double scale = double(columns) / (to - from);
    bool broken = false;
    double previousTime = first > 0 ? table.times[size_t(first - 1)] : -1e300;
    for (qsizetype i = first; i < last; ++i) {
        const double t = table.times[size_t(i)];
        const double v = series.values[size_t(i)];
        if (t - previousTime > table.gapSeconds && i > 0)
            broken = true;
        previousTime = t;
        if (std::isnan(v)) {
            broken = true;
            continue;
        }
        ColumnRange& c = result[size_t(std::clamp(int((t - from) * scale), 0, columns - 1))];
        if (c.empty) {
            c.low = c.high = v;
            c.empty = false;
            c.gapBefore = broken;
        } else {
            c.low = std::min(c.low, v);
            c.high = std::max(c.high, v);
        }
        broken = false;
    }
    return result;
}

QString elapsedText(double seconds, bool withTenths) {
    const double rounded = withTenths ? std::round(seconds * 10) / 10 : std::round(seconds);
    const qint64 whole = qint64(std::floor(rounded));
    const int tenths = int(std::lround((rounded - double(whole)) * 10)) % 10;
    const qint64 h = whole / 3600, m = (whole / 60) % 60, s = whole % 60;
    QString text = h > 0 ? QStringLiteral("%1:%2:%3")
                               .arg(h)
                               .arg(m, 2, 10, QLatin1Char('0'))
                               .arg(s, 2, 10, QLatin1Char('0'))
                         : QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
    if (withTenths)
        text += QStringLiteral(".%1").arg(tenths);
    return text;
}

namespace {

// "hh:mm:ss" of the milliseconds after midnight, with the fraction in `decimals` digits.
QString clockOfDay(qint64 ms, int decimals) {
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
                       .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
                       .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'));
    if (decimals == 1)
        text += QStringLiteral(".%1").arg(ms % 1000 / 100);
    else if (decimals == 3)
        text += QStringLiteral(".%1").arg(ms % 1000, 3, 10, QLatin1Char('0'));
    return text;
}

qint64 msOfDay(const LogTable& table, double t) {
    return qint64(std::llround((table.startClock + t) * 1000)) % (86400LL * 1000);
}

} // namespace

QString clockText(const LogTable& table, double t) {
    return table.clockTime ? clockOfDay(msOfDay(table, t), 1) : QString();
}

void writeSpanCsv(const QString& path, const LogTable& table, const std::vector<int>& chosen,
                  double from, double to) {
    QSaveFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (const QString reason = openForSaving(file); !reason.isEmpty())
        throw LogReadError(QStringLiteral("%1: %2").arg(shown, reason));
    auto line = [&file](const QStringList& fields) {
        QString text;
        for (const QString& field : fields) {
            if (!text.isEmpty())
                text += QLatin1Char(',');
            text += csvField(field);
        }
        // A failure stays with the file and stops the commit below.
        writeWhole(file, (text + QLatin1String("\r\n")).toUtf8());
    };
    QStringList header{table.clockTime ? QStringLiteral("Time") : QStringLiteral("Time (s)")};
    for (int s : chosen)
        header << table.series.at(size_t(s)).name;
    line(header);
    const auto [first, last] = rowsBetween(table, from, to);
    for (qsizetype i = first; i < last; ++i) {
        const double t = table.times[size_t(i)];
        QStringList fields;
        if (table.clockTime) {
            const qint64 ms = msOfDay(table, t);
            // Whole seconds keep the data log's own form; a recording keeps its milliseconds.
            fields << clockOfDay(ms, ms % 1000 == 0 ? 0 : 3);
        } else {
            fields << QString::number(t, 'f', 3);
        }
        for (int s : chosen) {
            const double v = table.series.at(size_t(s)).values[size_t(i)];
            fields << (std::isnan(v) ? QString() : QString::number(v, 'g', 10));
        }
        line(fields);
    }
    if (const QString reason = commitSaveFile(file); !reason.isEmpty())
        throw LogReadError(QStringLiteral("%1: %2").arg(shown, reason));
}
