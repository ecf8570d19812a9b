#pragma once

#include <algorithm>
#include <chrono>
#include <limits>

// Waits on the interface are bounded by a point in time rather than a duration, so that a loop
// of several polls and reads never waits longer in total than it was given.
using Deadline = std::chrono::steady_clock::time_point;

// No bound of its own: the wait ends by other means (a silence time-out, the stop signal).
inline constexpr Deadline kNoDeadline = Deadline::max();

inline Deadline deadlineIn(int ms) {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
}

inline bool hasPassed(Deadline deadline) {
    return deadline != kNoDeadline && std::chrono::steady_clock::now() >= deadline;
}

// Whole milliseconds until the deadline, as poll() takes them: 0 once it has passed, and never
// more than cap (kNoDeadline comes out as cap).
inline int msUntil(Deadline deadline, int cap = std::numeric_limits<int>::max()) {
    if (deadline == kNoDeadline)
        return cap;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    return int(std::clamp<long long>(left, 0, cap));
}
