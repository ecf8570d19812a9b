#include "tools/elmsim/pty_elm.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void failWith(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

} // namespace

PtyElm::PtyElm(const Config& config) : m_server(config) {
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
}

PtyElm::~PtyElm() {
    stop();
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : {m_masterFd, m_slaveKeepFd})
        if (fd >= 0)
            ::close(fd);
}

void PtyElm::start() {
    m_thread = std::thread([this] { run(); });
}

void PtyElm::closeMaster() {
    m_pullMaster = true;
    stop();
    if (m_thread.joinable())
        m_thread.join();
}

void PtyElm::run() {
    m_server.serve(m_masterFd, ElmServer::Stream::Terminal);
    if (m_pullMaster && m_masterFd >= 0) {
        ::close(m_masterFd);
        m_masterFd = -1;
        ::close(m_slaveKeepFd);
        m_slaveKeepFd = -1;
    }
}
