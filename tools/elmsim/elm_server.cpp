#include "tools/elmsim/elm_server.h"

#include "tools/elmsim/vehicle_profile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

ElmServer::ElmServer(const Config& config) : m_config(config) {
    m_vehicle = makeVehicleProfile(config.profile);
    if (!m_vehicle)
        throw std::runtime_error("unknown vehicle profile: " + config.profile.toStdString());
    if (config.elm327)
        m_elm327 =
            std::make_unique<Elm327Emulator>(*m_vehicle, config.emulator, config.elm327Settings);
    else
        m_emulator = std::make_unique<ElmEmulator>(*m_vehicle, config.emulator);
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
}

ElmServer::~ElmServer() {
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void ElmServer::stop() {
    m_stop = true;
    const uint64_t one = 1;
    if (m_wakeFd >= 0) [[maybe_unused]]
        auto n = ::write(m_wakeFd, &one, sizeof one);
}

bool ElmServer::sleepUnlessWoken(int ms) {
    pollfd pfd{m_wakeFd, POLLIN, 0};
    return ::poll(&pfd, 1, ms) == 0 && !m_stop;
}

void ElmServer::send(int fd, Stream stream, const QByteArray& bytes) {
    // At N baud one byte of 10 bits takes 10/N seconds.
    const int chunk = m_config.baud > 0 ? 1 : int(bytes.size());
    const auto perByte = m_config.baud > 0 ? std::chrono::microseconds(10'000'000 / m_config.baud)
                                           : std::chrono::microseconds(0);
    for (qsizetype sent = 0; sent < bytes.size() && !m_stop;) {
        const auto size = static_cast<size_t>(std::min<qsizetype>(chunk, bytes.size() - sent));
        // A client that went away must not end the emulator with SIGPIPE.
        const ssize_t n = stream == Stream::Socket
                              ? ::send(fd, bytes.constData() + sent, size, MSG_NOSIGNAL)
                              : ::write(fd, bytes.constData() + sent, size);
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

ElmServer::End ElmServer::serve(int fd, Stream stream) {
    char buffer[512];
    while (!m_stop) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0 || m_stop)
            break;
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0)
            continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            // A socket at its end (or reset) has lost its client; a terminal without a client
            // reads nothing and goes on waiting.
            if (stream == Stream::Socket && (n == 0 || errno != EINTR))
                return End::PeerClosed;
            continue;
        }
        const QByteArray input(buffer, n);
        for (const ElmEmulator::Output& piece :
             m_elm327 ? m_elm327->feed(input) : m_emulator->feed(input)) {
            if (piece.fromVehicle && m_config.latencyMs > 0 &&
                !sleepUnlessWoken(m_config.latencyMs))
                break;
            send(fd, stream, piece.bytes);
        }
        m_requests = m_elm327 ? m_elm327->requestCount() : m_emulator->requestCount();
    }
    return End::Stopped;
}
