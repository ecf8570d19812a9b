#pragma once

#include <QString>
#include <QStringList>

class VehicleProfile;

// The messages of the protocols before CAN (1 SAE J1850 PWM, 2 SAE J1850 VPW, 3 ISO 9141-2,
// 4 and 5 ISO 14230-4) as a chip prints them with headers on: each message on a line of its own,
// behind its three header bytes (priority or format, the tester as target, the unit's address)
// and followed by its check byte, a CRC on J1850 and the sum of all bytes on ISO.
namespace iso_messages {

// The vehicle's answer to a request, one line per message.
QStringList withHeaders(VehicleProfile& vehicle, const QString& request, const QString& answer,
                        int protocol, bool spaces);

// The check byte of a message, header included.
int checkByte(const QByteArray& message, int protocol);

} // namespace iso_messages
