#pragma once

#include <mutex>
#include <vector>

// One graph cycle: the values of series 1 and series 2 (0 for a series without a number).
struct GraphSample {
    double series1 = 0.0;
    double series2 = 0.0;
};

// The samples of the graph since the last reset; a sample's index is its x value on the chart.
// The polling worker appends while the ui thread may clear it ("Reset", a new sensor choice), so
// every access takes the one lock.
class GraphHistory {
public:
    void append(const GraphSample& sample);
    void clear();
    std::size_t size() const;

    // The samples first..last (inclusive) that exist; fewer, or none, past the end.
    std::vector<GraphSample> range(std::size_t first, std::size_t last) const;

private:
    mutable std::mutex m_mutex;
    std::vector<GraphSample> m_samples;
};
