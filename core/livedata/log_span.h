#pragma once

#include "core/livedata/log_table.h"

#include <utility>
#include <vector>

// Questions about a stretch of a log's time axis; times are seconds since its first record.

// The rows whose time lies in [from, to], as a half-open index range.
std::pair<qsizetype, qsizetype> rowsBetween(const LogTable& table, double from, double to);

// The row a cursor at time t reads: the last record at or before t (the first when t precedes
// it). Values are never interpolated: the cursor shows what was recorded.
qsizetype rowAt(const LogTable& table, double t);

struct SpanStats {
    double min = 0, max = 0, mean = 0;
    qsizetype count = 0; // readable values; 0: min, max and mean mean nothing
};

SpanStats spanStats(const LogSeries& series, qsizetype first, qsizetype last);

// One pixel column of a downsampled series: the lowest and highest value of its samples.
struct ColumnRange {
    double low = 0, high = 0;
    bool empty = true;      // no readable sample falls in the column
    bool gapBefore = false; // a missing value or a time gap lies between it and the last one
};

// Min/max envelope of the series over [from, to] in `columns` equal slices, in one pass over
// the visible rows; drawing it looks like drawing every sample, at a cost bound by the width.
std::vector<ColumnRange> columnRanges(const LogTable& table, const LogSeries& series, double from,
                                      double to, int columns);

// The time as the axis and the cursor show it: "m:ss" or "h:mm:ss" since the start, with tenths
// when withTenths.
QString elapsedText(double seconds, bool withTenths = false);
// The clock time of a row time, "hh:mm:ss.z", for clock-stamped logs; empty otherwise.
QString clockText(const LogTable& table, double t);

// Writes the rows in [from, to] of the chosen series (indexes into table.series) as a CSV file in
// the data log's quoting, the time as the clock time or seconds, then the numbers (empty where
// none was read). Written atomically; throws LogReadError naming the file when it cannot be.
void writeSpanCsv(const QString& path, const LogTable& table, const std::vector<int>& chosen,
                  double from, double to);
