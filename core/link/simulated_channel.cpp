#include "core/link/simulated_channel.h"

#include "core/link/answer_text.h"
#include "core/link/simulated_vehicle.h"
#include "core/link/stop_signal.h"

LinkAnswer SimulatedChannel::transfer(const QString& command, const StopSignal* stop) {
    m_lastRequest = command;
    // The simulated interface takes its time like a real one, and a stop cuts it short.
    const int delay = m_delayMs;
    if (delay > 0 && stop != nullptr && !stop->sleepFor(delay))
        return std::nullopt;
    return answer_text::fromSimulation(simulatedAnswer(m_lastRequest, stop != nullptr ? 0 : delay));
}
