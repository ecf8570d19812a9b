#include "core/link/stop_signal.h"

#include "core/link/deadline.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

StopSignal::StopSignal() : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (m_fd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
}

StopSignal::~StopSignal() {
    ::close(m_fd);
}

void StopSignal::request() noexcept {
    m_requested.store(true, std::memory_order_release);
    const std::uint64_t one = 1;
    // The counter only ever needs to be non-zero; a full counter (EAGAIN) is just as readable.
    [[maybe_unused]] const ssize_t n = ::write(m_fd, &one, sizeof one);
}

void StopSignal::reset() {
    std::uint64_t value = 0;
    while (::read(m_fd, &value, sizeof value) > 0) {
    }
    m_requested.store(false, std::memory_order_release);
}

bool StopSignal::sleepFor(int ms) const {
    const auto until = deadlineIn(ms);
    for (;;) {
        if (requested())
            return false;
        const int left = msUntil(until);
        if (left == 0)
            return true;
        pollfd pfd{m_fd, POLLIN, 0};
        if (::poll(&pfd, 1, left) < 0 && errno != EINTR)
            return !requested();
    }
}
