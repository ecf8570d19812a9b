#include "core/link/deadline.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

// Far enough from now that no machine, however loaded, turns one into the other during the test.
TEST(Deadline, WaitsAreBoundedByTheCapAndEndAtZero) {
    const Deadline past = std::chrono::steady_clock::now() - 1h;
    const Deadline future = std::chrono::steady_clock::now() + 1h;
    const struct {
        Deadline deadline;
        int cap;
        int ms;
        bool passed;
    } cases[] = {
        {kNoDeadline, 500, 500, false},
        {future, 500, 500, false},
        {past, 500, 0, true},
        {past, std::numeric_limits<int>::max(), 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(msUntil(c.deadline, c.cap), c.ms);
        EXPECT_EQ(hasPassed(c.deadline), c.passed);
    }
    EXPECT_GT(msUntil(future), 3'000'000);
    EXPECT_LE(msUntil(deadlineIn(1000)), 1000);
}
