#pragma once

#include "core/link/line_settings.h"
#include "core/link/polled_channel.h"

#include <QString>
#include <memory>

class TcpChannel;

// A serial device on POSIX termios: opened exclusively, raw, with the line settings applied and
// DTR and RTS asserted. The device path is the port name ("/dev/ttyUSB0").
// A port name "tcp://HOST:PORT" names a network adapter instead: the port then talks through a
// TcpChannel and its line settings are kept (and stored) but do not apply.
class SerialPort : public PolledChannel {
public:
    static constexpr int kWriteTimeoutMs = 5000;

    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    const QString& portName() const { return m_portName; }
    // Takes effect at the next open; an open device is closed and reopened under the new name.
    void setPortName(const QString& name);

    const LineSettings& lineSettings() const { return m_settings; }
    void setLineSettings(const LineSettings& settings) { m_settings = settings; }
    // Changes the speed of the line; an open device changes at once (the automatic baud rate
    // tries one speed after another on the open port). Throws SerialPortError when the device
    // does not take it.
    void setBaudRate(int baud);

    // Throws SerialPortError when the device is absent, in use, not a terminal or not accessible.
    // The stop ends the wait for a network adapter's connect (a device opens at once).
    void open(const StopSignal* stop = nullptr);
    void close();
    bool isOpen() const override;

    void write(const QByteArray& bytes) override;
    int receivedCount() override;
    QByteArray read(int count) override;
    QByteArray readAll() override;
    QByteArray readUpTo(qsizetype limit) override;
    void purge() override;

private:
    [[noreturn]] void fail(const QString& what, int error) const;
    void requireOpen() const;
    void applyLineSettings();
    WaitOutcome waitFor(int timeoutMs, int stopFd) override;

    QString m_portName;
    LineSettings m_settings;
    int m_fd = -1;
    std::unique_ptr<TcpChannel> m_network; // set while a network port is open
};
