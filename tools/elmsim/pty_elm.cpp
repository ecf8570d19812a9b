#include "tools/elmsim/pty_elm.h"

#include "tools/elmsim/vehicle_profile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void failWith(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

} // namespace

PtyElm::PtyElm(const Config& config) : m_config(config) {
    m_vehicle = makeVehicleProfile(config.profile);
    if (!m_vehicle)
        throw std::runtime_error("unknown vehicle profile: " + config.profile.toStdString());
    if (config.elm327)
        m_elm327 =
            std::make_unique<Elm327Emulator>(*m_vehicle, config.emulator, config.elm327Settings);
    else
        m_emulator = std::make_unique<ElmEmulator>(*m_vehicle, config.emulator);

    m_masterFd = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_masterFd < 0)
        failWith("posix_openpt");
    if (::grantpt(m_masterFd) != 0 || ::unlockpt(m_masterFd) != 0)
        failWith("unlockpt");
    char name[128];
    if (::ptsname_r(m_masterFd, name, sizeof name) != 0)
        failWith("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    // Holding the slave open keeps the master readable between clients, and makes it raw from the
    // start so that even a plain terminal program sees the chip's bytes unaltered.
    m_slaveKeepFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveKeepFd < 0)
        failWith("open pty slave");
    termios tio{};
    if (::tcgetattr(m_slaveKeepFd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slaveKeepFd, TCSANOW, &tio);
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        failWith("eventfd");
}

PtyElm::~PtyElm() {
    stop();
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : {m_masterFd, m_slaveKeepFd, m_wakeFd})
        if (fd >= 0)
            ::close(fd);
}

void PtyElm::start() {
    m_thread = std::thread([this] { run(); });
}

void PtyElm::stop() {
    m_stop = true;
    const uint64_t one = 1;
    if (m_wakeFd >= 0) [[maybe_unused]]
        auto n = ::write(m_wakeFd, &one, sizeof one);
}

void PtyElm::closeMaster() {
    m_pullMaster = true;
    stop();
    if (m_thread.joinable())
        m_thread.join();
}

bool PtyElm::sleepUntilUnlessWoken(Clock::time_point until) {
    for (;;) {
        if (m_stop)
            return false;
        const auto left = until - Clock::now();
        if (left <= Clock::duration::zero())
            return true;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec timeout{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        pollfd pfd{m_wakeFd, POLLIN, 0};
        if (::ppoll(&pfd, 1, &timeout, nullptr) > 0)
            return false;
    }
}

PtyElm::Clock::duration PtyElm::byteTime() const {
    // 8N1: a start bit, eight data bits and a stop bit.
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(10 * 1'000'000'000LL / std::max(m_config.baud, 1)));
}

PtyElm::Clock::time_point PtyElm::receivedAt(qsizetype count) {
    if (m_config.baud <= 0)
        return Clock::now();
    // The host's bytes come in as fast as it wrote them; on the line they follow one another.
    const Clock::time_point start = std::max(Clock::now(), m_hostLineFree);
    m_hostLineFree = start + byteTime() * count;
    return m_hostLineFree;
}

void PtyElm::send(const QByteArray& bytes, Clock::time_point earliest) {
    const bool paced = m_config.baud > 0;
    if (!paced && !sleepUntilUnlessWoken(earliest))
        return;
    const Clock::time_point start = std::max({Clock::now(), m_chipLineFree, earliest});
    if (paced)
        m_chipLineFree = start + byteTime() * bytes.size();
    qsizetype sent = 0;
    while (sent < bytes.size() && !m_stop) {
        qsizetype due = bytes.size();
        if (paced) {
            // Everything whose last bit is on the line by now goes out in one write; then wait
            // for the next byte's time.
            const auto elapsed = Clock::now() - start;
            due = std::min<qsizetype>(bytes.size(), qsizetype(elapsed / byteTime()));
            if (due <= sent) {
                if (!sleepUntilUnlessWoken(start + byteTime() * (sent + 1)))
                    return;
                continue;
            }
        }
        const ssize_t n =
            ::write(m_masterFd, bytes.constData() + sent, static_cast<size_t>(due - sent));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // nobody listens; the client's read will time out
        }
        sent += n;
    }
}

void PtyElm::run() {
    char buffer[512];
    while (!m_stop) {
        pollfd fds[2] = {{m_masterFd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0 || m_stop)
            break;
        if ((fds[0].revents & POLLIN) == 0)
            continue;
        const ssize_t n = ::read(m_masterFd, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        const QByteArray input(buffer, n);
        // The chip acts on a command once its carriage return has come down the line.
        const Clock::time_point arrived = receivedAt(n);
        if (!sleepUntilUnlessWoken(arrived))
            break;
        const Clock::time_point answerDue = arrived + std::chrono::milliseconds(m_config.latencyMs);
        for (const ElmEmulator::Output& piece :
             m_elm327 ? m_elm327->feed(input) : m_emulator->feed(input))
            send(piece.bytes, piece.fromVehicle ? answerDue : arrived);
        m_requests = m_elm327 ? m_elm327->requestCount() : m_emulator->requestCount();
    }
    if (m_pullMaster && m_masterFd >= 0) {
        ::close(m_masterFd);
        m_masterFd = -1;
        ::close(m_slaveKeepFd);
        m_slaveKeepFd = -1;
    }
}
