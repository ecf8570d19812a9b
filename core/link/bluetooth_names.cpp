#include "core/link/bluetooth_names.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdint>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// An info file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxInfoBytes = 64 * 1024;
constexpr qsizetype kMaxNameChars = 64;

// The kernel's rfcomm device list (include/net/bluetooth/rfcomm.h), not in the C library.
constexpr int kAfBluetooth = 31;
constexpr int kBtProtoRfcomm = 3;
constexpr int kMaxDevices = 32;
struct RfcommDevInfo {
    int16_t id;
    uint32_t flags;
    uint16_t state;
    uint8_t src[6];
    uint8_t dst[6];
    uint8_t channel;
};
struct RfcommDevListRequest {
    uint16_t count;
    RfcommDevInfo devices[kMaxDevices];
};
constexpr unsigned long kGetDevList = _IOR('R', 210, int);

QString nameFromInfo(QFile& file) {
    if (file.size() > kMaxInfoBytes || !file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.read(kMaxInfoBytes).split('\n');
    bool general = false;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            general = line == "[General]";
        else if (general && line.startsWith("Name=")) {
            QString name = QString::fromUtf8(line.mid(5)).left(kMaxNameChars);
            name.removeIf([](QChar c) { return !c.isPrint(); });
            return name.trimmed();
        }
    }
    return {};
}

} // namespace

namespace bluetooth_names {

QString pairedName(const QString& storeDir, const QString& address) {
    static const QRegularExpression form(QStringLiteral("^([0-9A-F]{2}:){5}[0-9A-F]{2}$"));
    const QString upper = address.toUpper();
    if (!form.match(upper).hasMatch())
        return {}; // never a path built from anything else
    const QDir store(storeDir);
    for (const QString& controller : store.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile info(store.filePath(controller + QLatin1Char('/') + upper + QStringLiteral("/info")));
        if (const QString name = nameFromInfo(info); !name.isEmpty())
            return name;
    }
    return {};
}

QString rfcommAddress(const QString& portName) {
    static const QRegularExpression form(QStringLiteral("^/dev/rfcomm(\\d{1,3})$"));
    const QRegularExpressionMatch match = form.match(portName);
    if (!match.hasMatch())
        return {};
    const int id = match.captured(1).toInt();
    const int fd = ::socket(kAfBluetooth, SOCK_RAW | SOCK_CLOEXEC, kBtProtoRfcomm);
    if (fd < 0)
        return {};
    RfcommDevListRequest request{};
    request.count = kMaxDevices;
    const bool listed = ::ioctl(fd, kGetDevList, &request) == 0;
    ::close(fd);
    if (!listed)
        return {};
    for (int i = 0; i < std::min<int>(request.count, kMaxDevices); ++i) {
        const RfcommDevInfo& device = request.devices[i];
        if (device.id != id)
            continue;
        // The address is stored with its last byte first.
        QStringList bytes;
        for (int b = 5; b >= 0; --b)
            bytes << QStringLiteral("%1").arg(device.dst[b], 2, 16, QLatin1Char('0')).toUpper();
        return bytes.join(QLatin1Char(':'));
    }
    return {};
}

QString portLabel(const QString& portName, const QString& storeDir) {
    const QString address = rfcommAddress(portName);
    const QString name = address.isEmpty() ? QString() : pairedName(storeDir, address);
    return name.isEmpty() ? portName : portName + QStringLiteral(" (") + name + QLatin1Char(')');
}

} // namespace bluetooth_names
