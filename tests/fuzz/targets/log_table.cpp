// Logs opened in the viewer: the program's own, other programs' exports, anything named .csv.

#include "core/livedata/log_table.h"
#include "core/livedata/log_span.h"
#include "tests/fuzz/fuzz_target.h"

#include <cmath>

QUORVANE_FUZZ_TARGET(log_table) {
    LogTable table;
    try {
        table = parseLogTable(input.toByteArray());
    } catch (const LogReadError& e) {
        fuzzRequire(!e.message().isEmpty(), "a refusal says why");
        return;
    }
    fuzzRequire(!table.times.empty() && table.times.front() == 0, "the first record is at 0");
    for (size_t i = 1; i < table.times.size(); ++i)
        fuzzRequire(table.times[i] >= table.times[i - 1], "time never runs backwards");
    for (const LogSeries& series : table.series) {
        fuzzRequire(series.values.size() == table.times.size(), "one value per record");
        for (double v : series.values)
            fuzzRequire(std::isnan(v) || std::isfinite(v), "values are finite or missing");
    }
    // The drawing and the cursor's questions hold for whatever was read.
    const double end = table.times.back();
    for (const LogSeries& series : table.series) {
        for (const ColumnRange& c : columnRanges(table, series, 0, end + 1, 7))
            fuzzRequire(c.empty || c.low <= c.high, "a column's range is ordered");
        fuzzRequire(rowAt(table, end / 2) < table.rowCount(), "the cursor reads a record");
    }
}
