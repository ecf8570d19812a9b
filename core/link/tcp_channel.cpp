#include "core/link/tcp_channel.h"

#include "core/l10n/const_str.h"
#include "core/link/deadline.h"
#include "core/link/network_address.h"
#include "core/link/serial_port_error.h"
#include "core/link/stop_signal.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a failed connect means to the user. Refused and unreachable are the two everyday cases of
// a WiFi adapter: switched off, or this computer not on its network.
QString connectFailure(const QString& where, int error) {
    switch (error) {
    case ECONNREFUSED:
        return const_str::NetworkConnectionRefused.arg(where);
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN:
    case EHOSTDOWN:
        return const_str::NetworkUnreachable.arg(where);
    case ETIMEDOUT:
        return const_str::NetworkConnectTimeout.arg(where).arg(TcpChannel::kConnectTimeoutMs /
                                                               1000);
    default:
        return const_str::NetworkConnectFailed.arg(where, systemText(error));
    }
}

// The error a wait reports when the stop signal ended it.
constexpr int kStopped = -1;

int stopFd(const StopSignal* stop) {
    return stop != nullptr ? stop->fd() : -1;
}

// Waits until fd is ready for `events`, the deadline passes (ETIMEDOUT), the stop is raised
// (kStopped) or poll fails (its errno); 0 when ready.
int waitReady(int fd, short events, Deadline deadline, const StopSignal* stop) {
    for (;;) {
        // poll() leaves out an entry with a negative descriptor.
        pollfd fds[2] = {{fd, events, 0}, {stopFd(stop), POLLIN, 0}};
        const int rc = ::poll(fds, 2, msUntil(deadline));
        if (rc < 0 && errno == EINTR)
            continue;
        if (rc < 0)
            return errno;
        if (fds[1].revents != 0)
            return kStopped;
        return rc == 0 ? ETIMEDOUT : 0;
    }
}

// A name lookup that can be given up. getaddrinfo() has no time-out of its own and ignores
// signals, so it runs on a thread of its own; the caller waits for it, its deadline or the stop,
// and a lookup given up finishes there and cleans up after itself.
class NameLookup {
public:
    NameLookup(const QByteArray& host, const QByteArray& port) : m_host(host), m_port(port) {
        m_doneFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (m_doneFd < 0)
            throw SerialPortError(
                const_str::NetworkConnectFailed.arg(QString::fromUtf8(host), systemText(errno)));
    }
    ~NameLookup() {
        if (m_found != nullptr)
            ::freeaddrinfo(m_found);
        ::close(m_doneFd);
    }

    static void start(const std::shared_ptr<NameLookup>& lookup) {
        std::thread([lookup] { lookup->run(); }).detach();
    }
    int doneFd() const { return m_doneFd; }
    bool done() const { return m_done.load(std::memory_order_acquire); }
    // Valid once done.
    int result() const { return m_rc; }
    int systemError() const { return m_errno; }
    const addrinfo* found() const { return m_found; }

private:
    void run() {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_NUMERICSERV;
        m_rc = ::getaddrinfo(m_host.constData(), m_port.constData(), &hints, &m_found);
        m_errno = errno;
        m_done.store(true, std::memory_order_release);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_doneFd, &one, sizeof one);
    }

    QByteArray m_host;
    QByteArray m_port;
    int m_doneFd = -1;
    std::atomic<bool> m_done{false};
    int m_rc = 0;
    int m_errno = 0;
    addrinfo* m_found = nullptr;
};

// Waits for a non-blocking connect to finish; returns 0, kStopped or the error of the attempt.
int finishConnect(int fd, Deadline deadline, const StopSignal* stop) {
    for (;;) {
        const int waited = waitReady(fd, POLLOUT, deadline, stop);
        if (waited != 0)
            return waited;
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
            return errno;
        return error;
    }
}

// One attempt on one resolved address; returns the connected descriptor or -1 with the error.
int connectTo(const addrinfo& address, Deadline deadline, const StopSignal* stop, int& error) {
    const int fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            address.ai_protocol);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    error = 0;
    if (::connect(fd, address.ai_addr, address.ai_addrlen) != 0)
        error = errno == EINPROGRESS ? finishConnect(fd, deadline, stop) : errno;
    if (error != 0) {
        ::close(fd);
        return -1;
    }
    // Commands are a few bytes each and wait for their answer: never hold one back to gather more.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

} // namespace

TcpChannel::TcpChannel(const QString& portName) : m_portName(portName.trimmed()) {}

TcpChannel::~TcpChannel() {
    close();
}

void TcpChannel::open(const StopSignal* stop) {
    close();
    const std::optional<NetworkAddress> address = network_address::parse(m_portName);
    if (!address)
        throw SerialPortError(const_str::NetworkAddressInvalid.arg(m_portName));

    // One time-out for the lookup and all addresses of the host together, as the user sees one
    // connect.
    const auto deadline = deadlineIn(kConnectTimeoutMs);
    const auto lookup =
        std::make_shared<NameLookup>(address->host.toUtf8(), QByteArray::number(address->port));
    NameLookup::start(lookup);
    const int waited = waitReady(lookup->doneFd(), POLLIN, deadline, stop);
    if (waited == kStopped)
        throw SerialPortError(const_str::ConnectionStopped);
    if (!lookup->done())
        throw SerialPortError(connectFailure(m_portName, waited != 0 ? waited : ETIMEDOUT));
    if (const int rc = lookup->result(); rc != 0) {
        if (rc == EAI_SYSTEM)
            throw SerialPortError(
                const_str::NetworkConnectFailed.arg(m_portName, systemText(lookup->systemError())));
        throw SerialPortError(const_str::NetworkHostUnknown.arg(address->host));
    }

    int firstError = 0;
    for (const addrinfo* a = lookup->found(); a != nullptr && m_fd < 0; a = a->ai_next) {
        int error = 0;
        m_fd = connectTo(*a, deadline, stop, error);
        if (error == kStopped)
            throw SerialPortError(const_str::ConnectionStopped);
        if (m_fd < 0 && firstError == 0)
            firstError = error;
        if (msUntil(deadline) == 0)
            break;
    }
    if (m_fd < 0)
        throw SerialPortError(connectFailure(m_portName, firstError != 0 ? firstError : ETIMEDOUT));
    m_peerClosed = false;
}

void TcpChannel::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_peerClosed = false;
}

void TcpChannel::dropped() const {
    throw SerialPortError(const_str::NetworkConnectionDropped.arg(m_portName));
}

void TcpChannel::requireUsable() const {
    if (!isOpen())
        throw SerialPortError(QStringLiteral("The serial port %1 is not open.").arg(m_portName));
    if (m_peerClosed)
        dropped();
}

void TcpChannel::write(const QByteArray& bytes) {
    requireUsable();
    const auto deadline = deadlineIn(kWriteTimeoutMs);
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        // MSG_NOSIGNAL: a connection the adapter closed must end the action, not the program.
        const ssize_t n = ::send(m_fd, bytes.constData() + sent,
                                 static_cast<size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EPIPE || errno == ECONNRESET))
            dropped();
        if (n < 0 && errno != EAGAIN)
            throw SerialPortError(
                const_str::NetworkConnectFailed.arg(m_portName, systemText(errno)));
        const int left = msUntil(deadline);
        if (left == 0)
            return; // as on the serial line: the missing answer will show the failure
        pollfd pfd{m_fd, POLLOUT, 0};
        if (::poll(&pfd, 1, left) < 0 && errno != EINTR)
            throw SerialPortError(
                const_str::NetworkConnectFailed.arg(m_portName, systemText(errno)));
        if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))
            dropped();
    }
}

SerialChannel::WaitOutcome TcpChannel::waitFor(int timeoutMs, int stopFd) {
    requireUsable();
    const auto deadline = deadlineIn(timeoutMs);
    for (;;) {
        // poll() leaves out entries with a negative descriptor.
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
        pollfd& pfd = fds[0];
        const int rc = ::poll(fds, 2, msUntil(deadline));
        if (rc < 0 && errno == EINTR)
            continue;
        if (rc < 0)
            throw SerialPortError(
                const_str::NetworkConnectFailed.arg(m_portName, systemText(errno)));
        if (rc == 0)
            return WaitOutcome::Silence;
        if (fds[1].revents != 0)
            return WaitOutcome::Stopped;
        // Bytes that arrived before a hang-up are still worth reading; the end of the stream is
        // noticed by the read that finds it.
        if ((pfd.revents & POLLIN) == 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)))
            dropped();
        return WaitOutcome::Data;
    }
}

int TcpChannel::receivedCount() {
    requireUsable();
    int count = 0;
    if (::ioctl(m_fd, FIONREAD, &count) != 0)
        throw SerialPortError(const_str::NetworkConnectFailed.arg(m_portName, systemText(errno)));
    return count;
}

qsizetype TcpChannel::readSome(char* buffer, qsizetype size) {
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, static_cast<size_t>(size), MSG_DONTWAIT);
        if (n > 0)
            return n;
        if (n == 0) {
            m_peerClosed = true;
            return 0;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return 0;
        if (errno == ECONNRESET || errno == EPIPE || errno == ETIMEDOUT) {
            m_peerClosed = true;
            return 0;
        }
        throw SerialPortError(const_str::NetworkConnectFailed.arg(m_portName, systemText(errno)));
    }
}

QByteArray TcpChannel::read(int count) {
    requireUsable();
    QByteArray bytes;
    if (count <= 0)
        return bytes;
    bytes.resize(count);
    bytes.resize(readSome(bytes.data(), count));
    // What came before the end of the stream is handed out; the next use reports the drop.
    if (bytes.isEmpty() && m_peerClosed)
        dropped();
    return bytes;
}

QByteArray TcpChannel::readAll() {
    requireUsable();
    QByteArray bytes;
    char chunk[1024];
    // Bounded, so that a peer that never stops sending cannot keep one call busy for ever.
    while (bytes.size() < kReadLimit) {
        const qsizetype n = readSome(chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, n);
        if (n < qsizetype(sizeof chunk))
            break;
    }
    if (bytes.isEmpty() && m_peerClosed)
        dropped();
    return bytes;
}

void TcpChannel::purge() {
    requireUsable();
    char chunk[1024];
    for (qsizetype drained = 0; drained < kReadLimit;) {
        const qsizetype n = readSome(chunk, sizeof chunk);
        if (n == 0)
            break;
        drained += n;
    }
    // A drop found while draining is reported by the next command, which cannot be answered.
}
