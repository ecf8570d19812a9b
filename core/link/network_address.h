#pragma once

#include <QString>
#include <optional>

// A port name that stands for a network adapter instead of a serial device: "tcp://HOST:PORT",
// with an IPv6 host in brackets ("tcp://[::1]:35000"). WiFi adapters serve the interface's
// protocol on such a port; everything above the channel works on it unchanged.
struct NetworkAddress {
    QString host;
    int port = 0;
};

namespace network_address {

// True for every name in the network form, well made or not; such a name is never opened as a
// device path.
bool isNetworkPort(const QString& portName);

// The host and port of a well-made network name; nullopt for anything else.
std::optional<NetworkAddress> parse(const QString& portName);

// What the user typed into the port box: a bare "HOST:PORT" becomes "tcp://HOST:PORT"; device
// paths and every other text stay as they are (trimmed).
QString normalizedPortName(const QString& typed);

} // namespace network_address
