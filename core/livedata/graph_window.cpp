#include "core/livedata/graph_window.h"

#include <algorithm>
#include <climits>

namespace {

int clampedInt(std::size_t value) {
    return int(std::min<std::size_t>(value, INT_MAX));
}

} // namespace

GraphWindow newestGraphWindow(std::size_t sampleCount) {
    GraphWindow window;
    if (sampleCount == 0)
        return window;
    const std::size_t newest = sampleCount - 1;
    window.empty = false;
    window.last = newest;
    if (newest > GraphWindow::kSpan) {
        window.first = newest - GraphWindow::kSpan;
        window.axisFrom = window.first;
        window.sliderMaximum = clampedInt(window.first);
    } else {
        window.first = 0;
        window.sliderMaximum = clampedInt(newest);
    }
    return window;
}

GraphWindow sliderGraphWindow(std::size_t sampleCount, int position) {
    GraphWindow window;
    if (sampleCount == 0)
        return window;
    const std::size_t newest = sampleCount - 1;
    if (newest < GraphWindow::kSpan) {
        window.empty = false;
        window.first = 0;
        window.last = newest;
        return window;
    }
    const std::size_t from = std::size_t(std::max(position, 0));
    window.axisFrom = from;
    if (from > newest)
        return window; // nothing left to show from there
    window.empty = false;
    window.first = from;
    window.last = std::min(from + GraphWindow::kSpan, newest);
    return window;
}
