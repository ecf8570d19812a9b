#pragma once

#include "core/link/link_answer.h"

#include <QString>
#include <atomic>

class StopSignal;

// The simulated vehicle as the exchange's Demo-Mode channel: a command in, the interface's
// answer out, after the time an interface takes. Used under the exchange's lock.
class SimulatedChannel {
public:
    // The cleaned answer to `command`; a stop raised during the delay cuts it short without one.
    LinkAnswer transfer(const QString& command, const StopSignal* stop);

    // The answer delay (100 ms; tests shorten it). Any thread.
    void setDelay(int ms) { m_delayMs = ms; }
    // The command of the last transfer.
    const QString& lastRequest() const { return m_lastRequest; }

private:
    QString m_lastRequest;
    std::atomic<int> m_delayMs{100};
};
