#include "core/link/serial_channel.h"

#include "core/link/stop_signal.h"

#include <algorithm>

SerialChannel::WaitOutcome SerialChannel::waitForDataOrStop(int timeoutMs, const StopSignal* stop) {
    if (stop != nullptr && stop->requested())
        return WaitOutcome::Stopped;
    return waitForData(timeoutMs) ? WaitOutcome::Data : WaitOutcome::Silence;
}

QByteArray SerialChannel::readUpTo(qsizetype limit) {
    return read(int(std::min<qsizetype>(limit, receivedCount())));
}
