#include "core/link/bluetooth_names.h"
#include "core/link/com_port.h"
#include "core/link/serial_port.h"
#include "core/settings/port_settings_store.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

namespace {

struct MapStore : PortSettingsStore {
    QMap<QString, QString> values;
    int writes = 0;
    std::optional<QString> readText(const QString& name) override {
        if (!values.contains(name))
            return std::nullopt;
        return values.value(name);
    }
    void writeText(const QString& name, const QString& value) override {
        values[name] = value;
        ++writes;
    }
};

void makeTty(const QString& root, const QString& name, bool withDevice,
             const char* type = nullptr) {
    QDir().mkpath(root + '/' + name);
    if (withDevice)
        QDir().mkpath(root + '/' + name + "/device");
    if (type) {
        QFile f(root + '/' + name + "/type");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(type);
    }
}

TEST(serialPortNames, ListsRealSerialDevicesSortedWithoutRegardToCase) {
    const QString root = test_env::freshDir("sys-class-tty");
    makeTty(root, "ttyUSB1", true);
    makeTty(root, "ttyS0", true, "4\n");
    makeTty(root, "ttyS1", true, "0\n"); // reserved UART slot without hardware
    makeTty(root, "ttyACM0", true);
    makeTty(root, "tty1", false); // a virtual console
    makeTty(root, "rfcomm0", true);
    makeTty(root, "rfcomm1", false); // bound Bluetooth devices are virtual ones
    makeTty(root, "TTYX", true);
    EXPECT_EQ(serialPortNames(root), QStringList({"/dev/rfcomm0", "/dev/rfcomm1", "/dev/ttyACM0",
                                                  "/dev/ttyS0", "/dev/ttyUSB1", "/dev/TTYX"}));
    EXPECT_TRUE(serialPortNames(root + "/missing").isEmpty());
}

// The Bluetooth store is read as hostile input: only an address-shaped name becomes a path, a
// file far larger than any info file is not read, a name outside [General] or with control
// characters is not taken as it stands.
TEST(BluetoothNames, PairedAdapterNameFromTheStoreOfAnyController) {
    const QString root = test_env::freshDir("bluetooth");
    const auto info = [&root](const QString& device, const QByteArray& text) {
        const QString dir = root + "/00:11:22:33:44:55/" + device;
        QDir().mkpath(dir);
        QFile file(dir + "/info");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    info("00:1D:A5:68:98:8B", "[General]\nName=OBDII\nClass=0x001f00\n");
    info("00:1D:A5:00:00:01", "[LinkKey]\nName=Key\n[General]\nAlias=x\nName=V\x01Link \n");
    info("00:1D:A5:00:00:02", QByteArray("[General]\nName=Huge\n") + QByteArray(100000, 'x'));
    info("00:1D:A5:00:00:03", "[General]\nClass=1\n");
    const struct {
        const char* address;
        const char* name;
    } cases[] = {
        {"00:1D:A5:68:98:8B", "OBDII"}, {"00:1d:a5:68:98:8b", "OBDII"},
        {"00:1D:A5:00:00:01", "VLink"}, {"00:1D:A5:00:00:02", ""},
        {"00:1D:A5:00:00:03", ""},      {"../../etc/passwd", ""},
        {"00:1D:A5:00:00:09", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bluetooth_names::pairedName(root, c.address), QLatin1String(c.name)) << c.address;
    EXPECT_EQ(bluetooth_names::portLabel("/dev/ttyUSB0", root), "/dev/ttyUSB0");
}

TEST(ComPortSettings, WritesAllSixValuesAndReadsThemBackWithFallbacks) {
    auto port = createComPort();
    EXPECT_FALSE(port->isOpen()); // creating never opens
    EXPECT_EQ(port->portName(), "/dev/ttyUSB0");
    MapStore store;
    port->setPortName("/dev/ttyACM3");
    writePortSettings(*port, store);
    EXPECT_EQ(store.writes, 6);
    EXPECT_EQ(store.values, (QMap<QString, QString>{{"Port", "/dev/ttyACM3"},
                                                    {"BaudRate", "9600"},
                                                    {"StopBits", "1"},
                                                    {"DataBits", "8"},
                                                    {"Parity", "None"},
                                                    {"FlowControl", "None"}}));

    store.values = {{"Port", "/dev/rfcomm0"}, {"BaudRate", "19200"}, {"StopBits", "1.5"},
                    {"DataBits", "7"},        {"Parity", "eVeN"},    {"FlowControl", "hardware"}};
    readPortSettings(*port, store);
    EXPECT_EQ(port->portName(), "/dev/rfcomm0");
    LineSettings s = port->lineSettings();
    EXPECT_EQ(s.baudRate, 19200);
    EXPECT_EQ(s.stopBits, LineSettings::StopBits::OnePointFive);
    EXPECT_EQ(s.dataBits, 7);
    EXPECT_EQ(s.parity, LineSettings::Parity::Even);
    EXPECT_EQ(s.flowControl, LineSettings::FlowControl::Hardware);
    writePortSettings(*port, store);
    EXPECT_EQ(store.values["Parity"], "Even");
    EXPECT_EQ(store.values["StopBits"], "1.5");

    store.values = {{"BaudRate", "fast"},
                    {"StopBits", "3"},
                    {"DataBits", "9"},
                    {"Parity", ""},
                    {"FlowControl", ""}};
    readPortSettings(*port, store);
    s = port->lineSettings();
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.stopBits, LineSettings::StopBits::One);
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.parity, LineSettings::Parity::None);
    EXPECT_EQ(s.flowControl, LineSettings::FlowControl::Custom);
    EXPECT_EQ(port->portName(), ""); // no Port value: no device until one is chosen

    closeComPort(port);
    EXPECT_EQ(port, nullptr);
}

} // namespace
