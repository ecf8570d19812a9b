#include "tools/elmsim/can_vehicle.h"

#include "tools/elmsim/vehicle_profile.h"

#include <QStringList>

namespace {

constexpr qsizetype isoFrame = 7; // response code + six bytes, or 49 tt nn + four bytes

QByteArray bytesOf(const QString& spaced) {
    QString compact = spaced;
    compact.remove(QLatin1Char(' '));
    return QByteArray::fromHex(compact.toLatin1());
}

QByteArray troubleCodes(const QByteArray& iso) {
    QByteArray codes;
    for (qsizetype frame = 0; frame + isoFrame <= iso.size(); frame += isoFrame)
        for (qsizetype at = frame + 1; at < frame + isoFrame; at += 2)
            if (iso.at(at) != 0 || iso.at(at + 1) != 0)
                codes += iso.mid(at, 2);
    QByteArray can(1, iso.at(0));
    can += char(codes.size() / 2);
    return can + codes;
}

QByteArray vehicleInfo(const QByteArray& iso) {
    const int type = quint8(iso.at(1));
    if (type % 0x20 == 0 && iso.size() >= 7) {
        QByteArray can = iso.left(2) + iso.mid(3, 4);
        if (type == 0) { // no types 01, 03, 05, 07 and 09
            can[2] = char(quint8(can.at(2)) & ~0xAA);
            can[3] = char(quint8(can.at(3)) & ~0x80);
        }
        return can;
    }
    // The odd types below 0A count messages; 0B holds the ratios of compression ignition.
    if (type % 2 == 1 && type < 0x0A)
        return QByteArray();
    QByteArray data;
    for (qsizetype at = 0; at + isoFrame <= iso.size(); at += isoFrame)
        data += iso.mid(at + 3, 4);
    int items = int(data.size() / 4);
    if (type == 0x02) {
        // The VIN fills the first ISO message up with zero bytes; a CAN vehicle sends 17.
        while (!data.isEmpty() && data.at(0) == 0)
            data.remove(0, 1);
        items = 1;
    } else if (type == 0x04) {
        items = int(data.size() / 16);
    } else if (type == 0x08 || type == 0x0B) {
        items = int(data.size() / 2); // two bytes a ratio's part
    } else if (type == 0x0A) {
        items = 1; // one name of 20 bytes
    }
    QByteArray can = iso.left(2);
    can += char(items);
    return can + data;
}

} // namespace

namespace can_vehicle {

QByteArray fromIsoLayout(const QByteArray& iso) {
    if (iso.isEmpty())
        return iso;
    const int service = quint8(iso.at(0));
    if (service == 0x43 || service == 0x47 || service == 0x4A)
        return troubleCodes(iso);
    if (service == 0x49 && iso.size() >= 2)
        return vehicleInfo(iso);
    return iso;
}

// "01" and two to six PIDs: each unit answers the PIDs it has in one message, in the order asked,
// and not at all when it has none of them.
bool isGroupedRequest(const QString& request) {
    return request.startsWith(QLatin1String("01")) && request.size() >= 6 && request.size() <= 14 &&
           request.size() % 2 == 0;
}

QList<QByteArray> groupedAnswer(VehicleProfile& vehicle, const QString& request) {
    QList<QByteArray> units;
    for (qsizetype at = 2; at < request.size(); at += 2) {
        const QList<QByteArray> single = answer(vehicle, request.left(2) + request.mid(at, 2));
        for (qsizetype unit = 0; unit < single.size(); ++unit) {
            const QByteArray& message = single.at(unit);
            if (message.size() < 2 || quint8(message.at(0)) != 0x41)
                continue;
            while (units.size() <= unit)
                units << QByteArray(1, char(0x41));
            units[unit] += message.mid(1);
        }
    }
    units.removeIf([](const QByteArray& message) { return message.size() < 2; });
    return units;
}

QList<QByteArray> answer(VehicleProfile& vehicle, const QString& request) {
    if (isGroupedRequest(request))
        return groupedAnswer(vehicle, request);
    QList<QByteArray> units;
    for (const QString& line :
         vehicle.canAnswer(request).split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        const QByteArray message = fromIsoLayout(bytesOf(line));
        if (!message.isEmpty())
            units << message;
    }
    return units;
}

} // namespace can_vehicle
