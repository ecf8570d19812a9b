#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class VehicleProfile;

// The vehicle profiles answer as an ISO 9141 vehicle does. A CAN vehicle (ISO 15765-4) holds the
// same data but answers otherwise: trouble codes (stored, pending, permanent) after a count byte
// and without filler codes, vehicle information as one message with a count of data items,
// service 09 bitmaps without the message count and without the count types 01/03/05/07/09,
// which CAN vehicles do not report.
namespace can_vehicle {

// The messages of every control unit that answers the request, engine first. Each line of the
// profile's answer is one unit.
QList<QByteArray> answer(VehicleProfile& vehicle, const QString& request);

// One unit's message in ISO layout (all of its frames) as a CAN message.
QByteArray fromIsoLayout(const QByteArray& iso);

} // namespace can_vehicle
