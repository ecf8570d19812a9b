#pragma once

#include "core/link/polled_channel.h"

#include <QString>

class StopSignal;

// The channel to a network adapter: a TCP connection to the address of a port name
// "tcp://HOST:PORT". It waits with poll() and reads without waiting like the serial device, so the
// exchange above cannot tell the two apart. Line settings do not exist here. Every failure throws
// SerialPortError with a message that says what went wrong (refused, unknown host, unreachable,
// dropped), so the lost-device handling of the serial path applies unchanged.
class TcpChannel : public PolledChannel {
public:
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr int kWriteTimeoutMs = 5000;
    // The most one readAll() or purge() takes in; what is left waits for the next call.
    static constexpr qsizetype kReadLimit = 64 * 1024;

    explicit TcpChannel(const QString& portName);
    ~TcpChannel() override;
    TcpChannel(const TcpChannel&) = delete;
    TcpChannel& operator=(const TcpChannel&) = delete;

    const QString& portName() const { return m_portName; }

    // Resolves the host and connects, trying each of its addresses within the connect time-out.
    // A stop raised meanwhile ends the lookup's or the connect's wait at once ("Connection
    // stopped").
    void open(const StopSignal* stop = nullptr);
    void close();
    bool isOpen() const override { return m_fd >= 0; }

    void write(const QByteArray& bytes) override;
    WaitOutcome waitFor(int timeoutMs, int stopFd) override;
    int receivedCount() override;
    QByteArray read(int count) override;
    QByteArray readAll() override;
    // A socket has no queue of ours to throw away on the sending side; what has arrived and not
    // been read is drained.
    void purge() override;

private:
    [[noreturn]] void dropped() const;
    void requireUsable() const;
    // One non-blocking read into the buffer; returns the count, 0 when nothing is pending. The end
    // of the stream marks the connection dropped.
    qsizetype readSome(char* buffer, qsizetype size);

    QString m_portName;
    int m_fd = -1;
    bool m_peerClosed = false;
};
