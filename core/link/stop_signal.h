#pragma once

#include <atomic>

// A stop request that a blocking wait can be woken by. Raised from any thread, and from a
// signal handler (request() is only an atomic store and a write to an eventfd); cleared by its
// owner when no one waits on it. Exchanges given one end within one pass of their read once it
// is raised (ElmExchange::setStopSignal).
class StopSignal {
public:
    StopSignal(); // throws std::system_error when the system has no eventfd left
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void request() noexcept;
    void reset();
    bool requested() const noexcept { return m_requested.load(std::memory_order_acquire); }

    // Readable for poll() from the moment a stop is requested until reset().
    int fd() const noexcept { return m_fd; }

    // Sleeps for the given time unless a stop is requested meanwhile; false when it was.
    bool sleepFor(int ms) const;

private:
    std::atomic<bool> m_requested{false};
    int m_fd = -1;
};
