#pragma once

#include <QString>

// The name of the paired Bluetooth adapter behind an rfcomm device, for the port list: the
// kernel tells which address /dev/rfcommN is bound to, the system's Bluetooth store what that
// device called itself when it was paired.
namespace bluetooth_names {

// Where the Bluetooth daemon keeps what it knows of paired devices.
inline constexpr const char* kStoreDir = "/var/lib/bluetooth";

// The name of the paired device with that address ("00:1D:A5:68:98:8B") from
// <store>/<controller>/<address>/info ("Name=OBDII" in its [General] group); empty when no
// controller knows it or the file is unreadable, too large or names nothing printable.
QString pairedName(const QString& storeDir, const QString& address);

// The remote address /dev/rfcommN is bound to ("00:1D:A5:68:98:8B"); empty for any other port,
// an unbound one, or a machine without Bluetooth.
QString rfcommAddress(const QString& portName);

// "/dev/rfcomm0 (OBDII)" for a bound rfcomm device whose adapter has a name; else the port name.
QString portLabel(const QString& portName, const QString& storeDir = QLatin1String(kStoreDir));

} // namespace bluetooth_names
