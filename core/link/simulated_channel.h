#pragma once

#include "core/link/serial_channel.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>

// The simulated vehicle behind a simulated interface: a byte channel like the serial and TCP
// ones, so that Demo-Mode runs through the same exchange, cleaning and logging. A command written
// is answered after the time an interface takes, as the interface prints it, prompt included.
// Used under the exchange's lock.
class SimulatedChannel : public SerialChannel {
public:
    bool isOpen() const override { return true; }
    void write(const QByteArray& bytes) override;
    bool waitForData(int timeoutMs) override;
    // A simulated interface always answers: it waits out its delay whatever the time-out, unless
    // the stop comes first, which abandons the command. With no command pending nothing is
    // coming, and it says so at once.
    WaitOutcome waitForDataOrStop(int timeoutMs, const StopSignal* stop) override;
    int receivedCount() override { return int(m_received.size()); }
    QByteArray read(int count) override;
    void purge() override;

    // The answer delay (100 ms; tests shorten it). Any thread.
    void setDelay(int ms) { m_delayMs = ms; }
    // The command last written.
    const QString& lastRequest() const { return m_lastRequest; }

private:
    using Clock = std::chrono::steady_clock;

    QString m_lastRequest;
    bool m_pending = false;
    Clock::time_point m_answerAt;
    QByteArray m_received;
    std::atomic<int> m_delayMs{100};
};
