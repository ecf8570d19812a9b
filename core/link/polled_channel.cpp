#include "core/link/polled_channel.h"

#include "core/link/stop_signal.h"

bool PolledChannel::waitForData(int timeoutMs) {
    return waitFor(timeoutMs, -1) == WaitOutcome::Data;
}

SerialChannel::WaitOutcome PolledChannel::waitForDataOrStop(int timeoutMs, const StopSignal* stop) {
    if (stop == nullptr)
        return waitFor(timeoutMs, -1);
    if (stop->requested())
        return WaitOutcome::Stopped;
    return waitFor(timeoutMs, stop->fd());
}
