#pragma once

#include <cstddef>
#include <optional>

// Which samples of the graph history the chart shows: the chart holds 51 samples at a time, on a
// bottom axis that starts fixed at 0 .. 50 and follows the window once the history is longer.
struct GraphWindow {
    static constexpr std::size_t kSpan = 50; // last - first of a full window

    // The samples shown, first..last inclusive; empty when last < first (no samples).
    std::size_t first = 0;
    std::size_t last = 0;
    bool empty = true;
    // The bottom axis range to set, when the window moves it; nothing keeps the axis as it is.
    std::optional<std::size_t> axisFrom;
    // The history slider's maximum after a graph cycle.
    int sliderMaximum = 0;
};

// After a graph cycle: the newest 51 samples, or all while there are fewer; the slider goes to
// the window of the newest sample.
GraphWindow newestGraphWindow(std::size_t sampleCount);

// The slider at a position, polling stopped: the 51 samples from the position on, or all while
// there are fewer than 51. The window never reaches past the newest sample; a position past the
// last full window shows what is left of the history from it on.
GraphWindow sliderGraphWindow(std::size_t sampleCount, int position);
