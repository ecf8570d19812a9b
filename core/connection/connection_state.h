#pragma once

#include <atomic>

// Whether the vehicle can be talked to. The connection sequence decides it; a device lost in the
// middle of an exchange ends it from whichever thread met the loss, so that the actions guarded by
// it stop at once, before the window has dealt with the loss.
class ConnectionState {
public:
    bool noCommunication() const { return !m_connected; }
    void setConnected(bool on) { m_connected = on; }

private:
    std::atomic<bool> m_connected{false};
};
