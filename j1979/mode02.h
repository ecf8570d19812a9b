#pragma once

#include "j1979/supported_pids.h"

class CommandLink;

// Service 02, freeze frame data of frame 00.
class TMode02 {
public:
    // Reads the service 02 supported set of frame 00; always reports success.
    bool ReadSupported(CommandLink& link);

    const TSupportedSet& supportedPids() const { return m_supported; }

private:
    TSupportedSet m_supported{};
};
