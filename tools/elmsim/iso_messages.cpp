#include "tools/elmsim/iso_messages.h"

#include "tools/elmsim/sim_units.h"
#include "tools/elmsim/vehicle_profile.h"

#include <QByteArray>

namespace {

constexpr qsizetype kMessageBytes = 7; // the most a message of these protocols carries

QByteArray bytesOf(QString text) {
    text.remove(QLatin1Char(' '));
    return QByteArray::fromHex(text.toLatin1());
}

// A unit's line holds several messages when it is a multiple of seven bytes that each begin
// with the same response code (codes, vehicle information); else it is one message.
QList<QByteArray> messagesOf(const QByteArray& line) {
    bool several = line.size() > kMessageBytes && line.size() % kMessageBytes == 0;
    for (qsizetype at = kMessageBytes; several && at < line.size(); at += kMessageBytes)
        several = line.at(at) == line.at(0);
    if (!several)
        return {line};
    QList<QByteArray> messages;
    for (qsizetype at = 0; at < line.size(); at += kMessageBytes)
        messages << line.mid(at, kMessageBytes);
    return messages;
}

QByteArray header(int protocol, int unit, qsizetype dataBytes) {
    const char address = char(sim_units::isoAddress(unit));
    switch (protocol) {
    case 1:
        return QByteArray("\x41\x6B", 2) + address;
    case 2:
    case 3:
        return QByteArray("\x48\x6B", 2) + address;
    default: // the format byte holds the length of the data
        return QByteArray(1, char(0x80 | dataBytes)) + '\xF1' + address;
    }
}

} // namespace

namespace iso_messages {

int checkByte(const QByteArray& message, int protocol) {
    if (protocol > 2) {
        int sum = 0;
        for (char byte : message)
            sum += quint8(byte);
        return sum & 0xFF;
    }
    // SAE J1850: CRC-8 with the polynomial x^8 + x^4 + x^3 + x^2 + 1, inverted.
    quint8 crc = 0xFF;
    for (char byte : message) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? quint8((crc << 1) ^ 0x1D) : quint8(crc << 1);
    }
    return quint8(~crc);
}

QStringList withHeaders(VehicleProfile& vehicle, const QString& request, const QString& answer,
                        int protocol, bool spaces) {
    QStringList lines;
    const QStringList units = answer.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    for (qsizetype line = 0; line < units.size(); ++line) {
        const int unit = vehicle.unitOfLine(request, int(line));
        for (const QByteArray& data : messagesOf(bytesOf(units.at(line)))) {
            QByteArray message = header(protocol, unit, data.size()) + data;
            message += char(checkByte(message, protocol));
            lines << QString::fromLatin1(message.toHex(spaces ? ' ' : '\0').toUpper());
        }
    }
    return lines;
}

} // namespace iso_messages
