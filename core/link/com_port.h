#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class PortSettingsStore;
struct SerialSettingsIo;
class SerialPort;

// The one serial channel of the run, created unopened with the standard settings.
std::unique_ptr<SerialPort> createComPort();

// Closes the device when open and releases the channel.
void closeComPort(std::unique_ptr<SerialPort>& port);

// The serial devices of the machine as full paths, sorted without regard to case. ttyDir is the
// sysfs class directory (tests point it elsewhere).
QStringList serialPortNames(const QString& ttyDir = QStringLiteral("/sys/class/tty"));

// Writes the six persisted line values of the channel: Port, BaudRate, StopBits, DataBits, Parity,
// FlowControl.
void writePortSettings(const SerialPort& port, PortSettingsStore& store);

// Applies the stored values to the channel. Texts are matched without regard to case; a text that
// matches nothing (or a missing value) falls back to 9600 baud, 1 stop bit, 8 data bits, no parity
// and "Custom" flow control. A missing Port leaves the name empty.
void readPortSettings(SerialPort& port, PortSettingsStore& store);

// The stored text of a baud rate ("38400"); a rate the settings cannot name is stored as "Custom".
QString baudRateText(int baud);

// The channel's own writePortSettings and readPortSettings, bound to one channel, for the
// settings load and the port selection.
SerialSettingsIo serialSettingsOf(SerialPort& port);
