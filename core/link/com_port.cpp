#include "core/link/com_port.h"

#include "core/link/serial_port.h"
#include "core/settings/port_settings_store.h"
#include "core/settings/settings_load.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace {

struct Named {
    const char* text;
    int value;
};

constexpr std::array<Named, 18> kBaudRates{{{"Custom", 0},
                                            {"110", 110},
                                            {"300", 300},
                                            {"600", 600},
                                            {"1200", 1200},
                                            {"2400", 2400},
                                            {"4800", 4800},
                                            {"9600", 9600},
                                            {"14400", 14400},
                                            {"19200", 19200},
                                            {"38400", 38400},
                                            {"56000", 56000},
                                            {"57600", 57600},
                                            {"115200", 115200},
                                            {"128000", 128000},
                                            {"230400", 230400},
                                            {"256000", 256000},
                                            {"500000", 500000}}};
constexpr std::array<Named, 3> kStopBits{{{"1", int(LineSettings::StopBits::One)},
                                          {"1.5", int(LineSettings::StopBits::OnePointFive)},
                                          {"2", int(LineSettings::StopBits::Two)}}};
constexpr std::array<Named, 4> kDataBits{{{"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}}};
constexpr std::array<Named, 5> kParities{{{"None", int(LineSettings::Parity::None)},
                                          {"Odd", int(LineSettings::Parity::Odd)},
                                          {"Even", int(LineSettings::Parity::Even)},
                                          {"Mark", int(LineSettings::Parity::Mark)},
                                          {"Space", int(LineSettings::Parity::Space)}}};
constexpr std::array<Named, 4> kFlowControls{
    {{"Hardware", int(LineSettings::FlowControl::Hardware)},
     {"Software", int(LineSettings::FlowControl::Software)},
     {"None", int(LineSettings::FlowControl::None)},
     {"Custom", int(LineSettings::FlowControl::Custom)}}};

template <std::size_t N>
QString textOf(const std::array<Named, N>& table, int value) {
    for (const Named& entry : table)
        if (entry.value == value)
            return QString::fromLatin1(entry.text);
    return QString::fromLatin1(table.front().text);
}

template <std::size_t N>
int valueOf(const std::array<Named, N>& table, const std::optional<QString>& text, int fallback,
            const char* name = nullptr) {
    if (text) {
        for (const Named& entry : table)
            if (text->compare(QLatin1String(entry.text), Qt::CaseInsensitive) == 0)
                return entry.value;
        // A hand-edited value: the user finds out from the log why his setting is not used.
        if (name != nullptr)
            qWarning("The stored %s \"%s\" is not one of the known values; %d is used.", name,
                     qPrintable(text->left(40)), fallback);
    }
    return fallback;
}

// A sysfs tty entry is a real serial device when it has a device link (or is an rfcomm one); 8250
// UART slots that the kernel reserves without hardware behind them report the port type 0 and are
// left out.
bool isSerialDevice(const QString& entryPath) {
    // A bound Bluetooth serial device is virtual: no device link, but a port all the same.
    if (QFileInfo(entryPath).fileName().startsWith(QLatin1String("rfcomm")))
        return true;
    if (!QFileInfo::exists(entryPath + QStringLiteral("/device")))
        return false;
    QFile type(entryPath + QStringLiteral("/type"));
    if (type.open(QIODevice::ReadOnly) && type.readAll().trimmed() == "0")
        return false;
    return true;
}

} // namespace

std::unique_ptr<SerialPort> createComPort() {
    return std::make_unique<SerialPort>();
}

void closeComPort(std::unique_ptr<SerialPort>& port) {
    if (port)
        port->close();
    port.reset();
}

QStringList serialPortNames(const QString& ttyDir) {
    QStringList names;
    const QDir dir(ttyDir);
    // No sysfs tty class (a container, say) means no ports, not a failure.
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot))
        if (isSerialDevice(dir.filePath(entry)))
            names << QStringLiteral("/dev/") + entry;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

void writePortSettings(const SerialPort& port, PortSettingsStore& store) {
    const LineSettings& s = port.lineSettings();
    store.writeText(QStringLiteral("Port"), port.portName());
    store.writeText(QStringLiteral("BaudRate"), textOf(kBaudRates, s.baudRate));
    store.writeText(QStringLiteral("StopBits"), textOf(kStopBits, int(s.stopBits)));
    store.writeText(QStringLiteral("DataBits"), textOf(kDataBits, s.dataBits));
    store.writeText(QStringLiteral("Parity"), textOf(kParities, int(s.parity)));
    store.writeText(QStringLiteral("FlowControl"), textOf(kFlowControls, int(s.flowControl)));
}

void readPortSettings(SerialPort& port, PortSettingsStore& store) {
    LineSettings s;
    s.baudRate = valueOf(kBaudRates, store.readText(QStringLiteral("BaudRate")), 9600, "BaudRate");
    s.stopBits = LineSettings::StopBits(valueOf(
        kStopBits, store.readText(QStringLiteral("StopBits")), int(LineSettings::StopBits::One)));
    s.dataBits = valueOf(kDataBits, store.readText(QStringLiteral("DataBits")), 8);
    s.parity = LineSettings::Parity(valueOf(kParities, store.readText(QStringLiteral("Parity")),
                                            int(LineSettings::Parity::None)));
    s.flowControl = LineSettings::FlowControl(valueOf(kFlowControls,
                                                      store.readText(QStringLiteral("FlowControl")),
                                                      int(LineSettings::FlowControl::Custom)));
    port.setLineSettings(s);
    // A missing name reads as empty, so that the next connection fails visibly rather than
    // trying some default device.
    port.setPortName(store.readText(QStringLiteral("Port")).value_or(QString()));
}

QString baudRateText(int baud) {
    return textOf(kBaudRates, baud);
}

SerialSettingsIo serialSettingsOf(SerialPort& port) {
    SerialSettingsIo io;
    io.store = [&port](PortSettingsStore& store) { writePortSettings(port, store); };
    io.restore = [&port](PortSettingsStore& store) { readPortSettings(port, store); };
    return io;
}
