#include "core/link/simulated_channel.h"

#include "core/link/simulated_vehicle.h"
#include "core/link/stop_signal.h"

#include <algorithm>
#include <thread>

void SimulatedChannel::write(const QByteArray& bytes) {
    QByteArray command = bytes;
    if (command.endsWith('\r'))
        command.chop(1);
    m_lastRequest = QString::fromLatin1(command);
    m_pending = true;
    m_answerAt = Clock::now() + std::chrono::milliseconds(m_delayMs.load());
}

bool SimulatedChannel::waitForData(int timeoutMs) {
    return waitForDataOrStop(timeoutMs, nullptr) == WaitOutcome::Data;
}

SerialChannel::WaitOutcome SimulatedChannel::waitForDataOrStop(int timeoutMs,
                                                               const StopSignal* stop) {
    if (!m_received.isEmpty())
        return WaitOutcome::Data;
    if (!m_pending)
        return WaitOutcome::Silence;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_answerAt - Clock::now());
    if (left.count() > 0) {
        // Like a line, it waits no longer than asked: a waiter that slices its wait gets its
        // turn between the slices.
        const int wait = int(std::min<long long>(left.count(), std::max(timeoutMs, 0)));
        if (stop == nullptr) {
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        } else if (!stop->sleepFor(wait)) {
            m_pending = false;
            return WaitOutcome::Stopped;
        }
        if (wait < left.count())
            return WaitOutcome::Silence;
    }
    m_pending = false;
    m_received = (simulated_vehicle::answerNow(m_lastRequest) + QStringLiteral("\r\r>")).toLatin1();
    return WaitOutcome::Data;
}

QByteArray SimulatedChannel::read(int count) {
    const QByteArray part = m_received.left(count);
    m_received.remove(0, part.size());
    return part;
}

void SimulatedChannel::purge() {
    m_received.clear();
    m_pending = false;
}
