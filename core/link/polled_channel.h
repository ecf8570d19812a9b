#pragma once

#include "core/link/serial_channel.h"

// A channel on a descriptor that poll() can watch (a terminal, a socket): the stop signal's own
// descriptor joins the wait, so a stop ends it at once instead of after the silence time.
class PolledChannel : public SerialChannel {
public:
    bool waitForData(int timeoutMs) final;
    WaitOutcome waitForDataOrStop(int timeoutMs, const StopSignal* stop) final;

    // Waits for data, or for the descriptor stopFd (none when negative) to become readable.
    virtual WaitOutcome waitFor(int timeoutMs, int stopFd) = 0;
};
