#include "tools/elmsim/tcp_elm.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

[[noreturn]] void failWith(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

} // namespace

TcpElm::TcpElm(const Config& config, int port) : m_server(config) {
    if (port < 0 || port > 65535)
        throw std::runtime_error("the TCP port must be from 0 to 65535");
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0)
        failWith("socket");
    // A restarted emulator must not wait for the old connection's TIME_WAIT to pass.
    const int on = 1;
    ::setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    // The loopback address only: an emulator is nothing to offer to the network.
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listenFd, 4) != 0) {
        const int error = errno;
        ::close(m_listenFd);
        errno = error;
        failWith("cannot listen on the TCP port");
    }
    socklen_t length = sizeof address;
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
}

TcpElm::~TcpElm() {
    stop();
    if (m_thread.joinable())
        m_thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

QString TcpElm::address() const {
    return QStringLiteral("tcp://127.0.0.1:%1").arg(m_port);
}

void TcpElm::start() {
    m_thread = std::thread([this] { run(); });
}

void TcpElm::dropClient() {
    const int fd = m_clientFd;
    if (fd >= 0)
        ::shutdown(fd, SHUT_RDWR);
}

void TcpElm::run() {
    while (!m_server.stopping()) {
        pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {m_server.wakeFd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0 || m_server.stopping())
            break;
        const int client = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        ++m_clients;
        m_clientFd = client;
        m_server.serve(client, ElmServer::Stream::Socket);
        m_clientFd = -1;
        ::close(client);
    }
}
