#include "tools/elmsim/pty_elm.h"

#include "tools/elmsim/vehicle_profile.h"

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
    m_vehicle = config.vehicle ? config.vehicle() : makeVehicleProfile(config.profile);
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

bool PtyElm::sleepUnlessWoken(int ms) {
    pollfd pfd{m_wakeFd, POLLIN, 0};
    return ::poll(&pfd, 1, ms) == 0 && !m_stop;
}

void PtyElm::send(const QByteArray& bytes) {
    // At N baud one byte of 10 bits takes 10/N seconds.
    const int chunk = m_config.baud > 0 ? 1 : int(bytes.size());
    const auto perByte = m_config.baud > 0 ? std::chrono::microseconds(10'000'000 / m_config.baud)
                                           : std::chrono::microseconds(0);
    for (qsizetype sent = 0; sent < bytes.size() && !m_stop;) {
        const ssize_t n =
            ::write(m_masterFd, bytes.constData() + sent,
                    static_cast<size_t>(std::min<qsizetype>(chunk, bytes.size() - sent)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // nobody listens; the client's read will time out
        }
        sent += n;
        if (perByte.count() > 0)
            std::this_thread::sleep_for(perByte * n);
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
        for (const ElmEmulator::Output& piece :
             m_elm327 ? m_elm327->feed(input) : m_emulator->feed(input)) {
            if (piece.fromVehicle && m_config.latencyMs > 0 &&
                !sleepUnlessWoken(m_config.latencyMs))
                break;
            send(piece.bytes);
        }
        m_requests = m_elm327 ? m_elm327->requestCount() : m_emulator->requestCount();
    }
    if (m_pullMaster && m_masterFd >= 0) {
        ::close(m_masterFd);
        m_masterFd = -1;
        ::close(m_slaveKeepFd);
        m_slaveKeepFd = -1;
    }
}
