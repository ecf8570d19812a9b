#include "tools/elmsim/elm_server.h"

#include "core/link/serial_speed.h"
#include "tools/elmsim/drive_profile.h"
#include "tools/elmsim/sim_units.h"
#include "tools/elmsim/vehicle_profile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

ElmServer::ElmServer(const Config& config) : m_config(config) {
    m_vehicle =
        config.vehicle ? config.vehicle() : makeVehicleProfile(config.profile, config.drive);
    if (!m_vehicle)
        throw std::runtime_error("unknown vehicle profile: " + config.profile.toStdString());
    if (config.elm327)
        m_elm327 =
            std::make_unique<Elm327Emulator>(*m_vehicle, config.emulator, config.elm327Settings);
    else {
        // The ELM327 sets its second unit up itself; the ELM323 is told nothing of units.
        if (config.elm327Settings.secondUnit)
            m_secondUnit = sim_units::withTransmission(*m_vehicle);
        m_emulator = std::make_unique<ElmEmulator>(m_secondUnit ? *m_secondUnit : *m_vehicle,
                                                   config.emulator);
    }
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

bool ElmServer::sleepUntilUnlessWoken(Clock::time_point until) {
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

ElmServer::Clock::duration ElmServer::byteTime() const {
    // 8N1: a start bit, eight data bits and a stop bit.
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(10 * 1'000'000'000LL / std::max(m_config.baud, 1)));
}

ElmServer::Clock::time_point ElmServer::receivedAt(qsizetype count) {
    if (m_config.baud <= 0)
        return Clock::now();
    // The client's bytes come in as fast as it wrote them; on the line they follow one another.
    const Clock::time_point start = std::max(Clock::now(), m_hostLineFree);
    m_hostLineFree = start + byteTime() * count;
    return m_hostLineFree;
}

ElmServer::Clock::time_point ElmServer::send(int fd, Stream stream, const QByteArray& bytes,
                                             Clock::time_point earliest) {
    const bool paced = m_config.baud > 0;
    if (!paced && !sleepUntilUnlessWoken(earliest))
        return Clock::now();
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
                    return Clock::now();
                continue;
            }
        }
        const auto size = static_cast<size_t>(due - sent);
        // A client that went away must not end the emulator with SIGPIPE.
        const ssize_t n = stream == Stream::Socket
                              ? ::send(fd, bytes.constData() + sent, size, MSG_NOSIGNAL)
                              : ::write(fd, bytes.constData() + sent, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break; // nobody listens; the client's read will time out
        }
        sent += n;
    }
    return paced ? m_chipLineFree : Clock::now();
}

bool ElmServer::wrongSpeed(int fd, Stream stream) const {
    if (stream != Stream::Terminal || m_config.baud <= 0)
        return false;
    // The master side of a pseudo-terminal reads the speed its client set on the other side.
    const int speed = serial_speed::current(fd);
    return speed > 0 && speed != m_config.baud;
}

namespace {

// What a UART makes of bytes sent at another speed: other bytes, most of them not text.
QByteArray noiseFor(const QByteArray& input) {
    QByteArray noise;
    for (const char c : input)
        noise += char(0x80 | ((static_cast<unsigned char>(c) * 37 + 11) & 0x7F));
    return noise;
}

} // namespace

void ElmServer::dropReceived(int fd) {
    char buffer[512];
    pollfd pfd{fd, POLLIN, 0};
    while (::poll(&pfd, 1, 0) > 0 && (pfd.revents & POLLIN) != 0)
        if (::read(fd, buffer, sizeof buffer) <= 0)
            break;
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
        // The chip acts on a command once its carriage return has come down the line.
        const Clock::time_point arrived = receivedAt(n);
        if (!sleepUntilUnlessWoken(arrived))
            break;
        if (wrongSpeed(fd, stream)) {
            send(fd, stream, noiseFor(input), arrived);
            continue;
        }
        if (m_config.lateReset && !m_lateResetSent && input.toUpper().contains("ATZ")) {
            m_lateResetSent = true;
            send(fd, stream, m_elm327 ? "ELM327 v1.5\r\r>" : "ELM323 v2.0\r\r>", arrived);
        }
        const Clock::time_point answerDue = arrived + std::chrono::milliseconds(m_config.latencyMs);
        Clock::time_point lineFree = arrived; // when the piece before has gone out
        const auto pieces = m_elm327 ? m_elm327->feed(input) : m_emulator->feed(input);
        // Counted before the answer goes out: whoever has the answer finds its request counted.
        m_requests = m_elm327 ? m_elm327->requestCount() : m_emulator->requestCount();
        for (const ElmEmulator::Output& piece : pieces) {
            Clock::time_point earliest = piece.fromVehicle ? answerDue : arrived;
            if (piece.pauseMs > 0)
                earliest = std::max(earliest, lineFree) + std::chrono::milliseconds(piece.pauseMs);
            if (piece.deafDuringPause) {
                if (!sleepUntilUnlessWoken(earliest))
                    break;
                dropReceived(fd);
            }
            lineFree = send(fd, stream, piece.bytes, earliest);
        }
    }
    return End::Stopped;
}
