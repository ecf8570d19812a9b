#pragma once

#include <QByteArray>
#include <QString>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// The slave side of the emulator's pseudo-terminal used directly: a command written and its
// answer read up to the prompt with poll() and read(), the floor any exchange stands on.
class RawDevice {
public:
    explicit RawDevice(const QString& path)
        : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY)) {
        termios tio{};
        ::tcgetattr(m_fd, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_fd, TCSANOW, &tio);
    }
    ~RawDevice() { ::close(m_fd); }
    RawDevice(const RawDevice&) = delete;
    RawDevice& operator=(const RawDevice&) = delete;

    // Returns the number of answer bytes read.
    int roundTrip(const QByteArray& command) {
        [[maybe_unused]] auto w = ::write(m_fd, command.constData(), size_t(command.size()));
        char buffer[256];
        int total = 0;
        for (;;) {
            pollfd pfd{m_fd, POLLIN, 0};
            ::poll(&pfd, 1, 2500);
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                return total;
            total += int(n);
            if (std::memchr(buffer, '>', size_t(n)) != nullptr)
                return total;
        }
    }

private:
    int m_fd;
};
