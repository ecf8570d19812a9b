#include "core/link/serial_port.h"

#include "core/link/deadline.h"
#include "core/link/network_address.h"
#include "core/link/serial_port_error.h"
#include "core/link/serial_speed.h"
#include "core/link/tcp_channel.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

tcflag_t dataBitsFlag(int bits) {
    switch (bits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

SerialPort::SerialPort() : m_portName(QStringLiteral("/dev/ttyUSB0")) {}

SerialPort::~SerialPort() {
    close();
}

void SerialPort::setPortName(const QString& name) {
    m_portName = name;
    if (isOpen()) {
        close();
        open();
    }
}

void SerialPort::fail(const QString& what, int error) const {
    throw SerialPortError(QStringLiteral("%1 %2: %3")
                              .arg(what, m_portName, QString::fromLocal8Bit(std::strerror(error))));
}

void SerialPort::requireOpen() const {
    if (!isOpen())
        throw SerialPortError(QStringLiteral("The serial port %1 is not open.").arg(m_portName));
}

bool SerialPort::isOpen() const {
    return m_fd >= 0 || m_network != nullptr;
}

void SerialPort::open(const StopSignal* stop) {
    close();
    if (network_address::isNetworkPort(m_portName)) {
        auto network = std::make_unique<TcpChannel>(m_portName);
        network->open(stop);
        m_network = std::move(network);
        return;
    }
    const QByteArray path = m_portName.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("Cannot open"), errno);
    m_fd = fd;
    try {
        if (!::isatty(fd))
            throw SerialPortError(QStringLiteral("%1 is not a serial device.").arg(m_portName));
        // TIOCEXCL keeps other users out; flock also keeps out a second copy of this program
        // running as root, which TIOCEXCL does not stop.
        if (::ioctl(fd, TIOCEXCL) != 0)
            fail(QStringLiteral("Cannot lock"), errno);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK)
                throw SerialPortError(
                    QStringLiteral("The serial port %1 is in use by another program.")
                        .arg(m_portName));
            fail(QStringLiteral("Cannot lock"), errno);
        }
        applyLineSettings();
        // A pseudo-terminal has no modem lines; that is not an error.
        int lines = TIOCM_DTR | TIOCM_RTS;
        ::ioctl(fd, TIOCMBIS, &lines);
        ::tcflush(fd, TCIOFLUSH);
    } catch (...) {
        close();
        throw;
    }
}

void SerialPort::applyLineSettings() {
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0)
        fail(QStringLiteral("Cannot read the line settings of"), errno);
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | HUPCL | dataBitsFlag(m_settings.dataBits);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    // Linux knows no 1.5 stop bits apart from 5 data bits, where CSTOPB means exactly that.
    if (m_settings.stopBits != LineSettings::StopBits::One)
        tio.c_cflag |= CSTOPB;
    switch (m_settings.parity) {
    case LineSettings::Parity::None:
        break;
    case LineSettings::Parity::Odd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case LineSettings::Parity::Even:
        tio.c_cflag |= PARENB;
        break;
    case LineSettings::Parity::Mark:
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case LineSettings::Parity::Space:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    }
    if (m_settings.flowControl == LineSettings::FlowControl::Hardware)
        tio.c_cflag |= CRTSCTS;
    else if (m_settings.flowControl == LineSettings::FlowControl::Software)
        tio.c_iflag |= IXON | IXOFF;
    // Reads return at once with what is there; the exchange waits with poll() itself.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        fail(QStringLiteral("Cannot apply the line settings of"), errno);
    const int baud = m_settings.baudRate > 0 ? m_settings.baudRate : 9600;
    if (!serial_speed::apply(m_fd, baud))
        throw SerialPortError(QStringLiteral("The serial port %1 does not support %2 baud.")
                                  .arg(m_portName)
                                  .arg(baud));
}

void SerialPort::setBaudRate(int baud) {
    m_settings.baudRate = baud;
    if (m_fd >= 0 && !serial_speed::apply(m_fd, baud))
        throw SerialPortError(QStringLiteral("The serial port %1 does not support %2 baud.")
                                  .arg(m_portName)
                                  .arg(baud));
}

void SerialPort::close() {
    m_network.reset();
    if (m_fd >= 0) {
        ::close(m_fd); // also releases the flock
        m_fd = -1;
    }
}

void SerialPort::write(const QByteArray& bytes) {
    requireOpen();
    if (m_network)
        return m_network->write(bytes);
    const auto deadline = deadlineIn(kWriteTimeoutMs);
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // A hung-up terminal answers a write with EIO, as it does a read.
        if (n < 0 && errno == EIO)
            throw SerialPortError(
                QStringLiteral("The serial device %1 was disconnected.").arg(m_portName));
        if (n < 0 && errno != EAGAIN)
            fail(QStringLiteral("Cannot write to"), errno);
        pollfd pfd{m_fd, POLLOUT, 0};
        const int left = msUntil(deadline);
        if (left == 0)
            return; // the missing answer will show the failure
        if (::poll(&pfd, 1, left) < 0 && errno != EINTR)
            fail(QStringLiteral("Cannot write to"), errno);
        if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))
            throw SerialPortError(
                QStringLiteral("The serial device %1 was disconnected.").arg(m_portName));
    }
}

SerialChannel::WaitOutcome SerialPort::waitFor(int timeoutMs, int stopFd) {
    requireOpen();
    if (m_network)
        return m_network->waitFor(timeoutMs, stopFd);
    const auto deadline = deadlineIn(timeoutMs);
    for (;;) {
        // poll() leaves out entries with a negative descriptor.
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const int rc = ::poll(fds, 2, msUntil(deadline));
        if (rc < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Cannot wait for data on"), errno);
        }
        if (rc == 0)
            return WaitOutcome::Silence;
        if (fds[1].revents != 0)
            return WaitOutcome::Stopped;
        // A pulled USB adapter (or a closed pseudo-terminal master) hangs up the line; waiting on
        // it would return at once forever.
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            throw SerialPortError(
                QStringLiteral("The serial device %1 was disconnected.").arg(m_portName));
        return WaitOutcome::Data;
    }
}

int SerialPort::receivedCount() {
    requireOpen();
    if (m_network)
        return m_network->receivedCount();
    int count = 0;
    if (::ioctl(m_fd, FIONREAD, &count) != 0)
        fail(QStringLiteral("Cannot query"), errno);
    return count;
}

QByteArray SerialPort::read(int count) {
    requireOpen();
    if (m_network)
        return m_network->read(count);
    QByteArray bytes;
    if (count <= 0)
        return bytes;
    bytes.resize(count);
    ssize_t n;
    do {
        n = ::read(m_fd, bytes.data(), static_cast<size_t>(count));
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        if (errno == EAGAIN)
            n = 0;
        else if (errno == EIO)
            throw SerialPortError(
                QStringLiteral("The serial device %1 was disconnected.").arg(m_portName));
        else
            fail(QStringLiteral("Cannot read from"), errno);
    }
    bytes.resize(n);
    return bytes;
}

QByteArray SerialPort::readAll() {
    return readUpTo(std::numeric_limits<qsizetype>::max());
}

QByteArray SerialPort::readUpTo(qsizetype limit) {
    // A non-blocking read returns what the driver holds and never waits, so the count query is
    // not needed: one system call less on every pass of the answer loop.
    requireOpen();
    if (m_network)
        return m_network->readAll();
    QByteArray bytes;
    char chunk[1024]; // the driver's input buffer size
    while (bytes.size() < limit) {
        const size_t want =
            size_t(std::min<qsizetype>(qsizetype(sizeof chunk), limit - bytes.size()));
        const ssize_t n = ::read(m_fd, chunk, want);
        if (n > 0) {
            bytes.append(chunk, n);
            if (size_t(n) < want)
                return bytes;
            continue;
        }
        if (n == 0 || errno == EAGAIN)
            return bytes;
        if (errno == EINTR)
            continue;
        if (errno == EIO)
            throw SerialPortError(
                QStringLiteral("The serial device %1 was disconnected.").arg(m_portName));
        fail(QStringLiteral("Cannot read from"), errno);
    }
    return bytes;
}

void SerialPort::purge() {
    requireOpen();
    if (m_network)
        return m_network->purge();
    if (::tcflush(m_fd, TCIOFLUSH) != 0)
        fail(QStringLiteral("Cannot purge"), errno);
}
