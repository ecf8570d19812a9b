#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

// A lock that is handed out in the order it was asked for. The exchange is shared by a worker
// that sends request after request without a pause and by single requests of the user (the
// terminal): with a plain mutex the worker, relocking at once, could keep the user waiting for as
// long as it runs; here the user's request is served next.
class FairMutex {
public:
    void lock() {
        std::unique_lock guard(m_mutex);
        const std::uint64_t ticket = m_nextTicket++;
        m_turnChanged.wait(guard, [&] { return m_serving == ticket; });
    }

    void unlock() {
        {
            std::lock_guard guard(m_mutex);
            ++m_serving;
        }
        m_turnChanged.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_turnChanged;
    std::uint64_t m_nextTicket = 0;
    std::uint64_t m_serving = 0;
};
