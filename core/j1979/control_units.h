#pragma once

#include <QHash>
#include <QString>
#include <functional>

// How the program names the control units of a vehicle by their address (unit_answer.h).
namespace control_units {

// What an address says about the unit by convention: the engine at 7E8, 18DAF110 or source
// address 10, the transmission at 7E9, 18DAF118 or source address 18.
enum class Role { Engine, Transmission, Other };
Role roleOf(const QString& address);

// A readable name from the address alone: "Engine (7E8)", "Transmission (7E9)", "Unit 7EA" in the
// language of the run (a translate, where given, is applied to those words on top). Empty for an
// empty address.
QString defaultName(const QString& address,
                    const std::function<QString(const char*)>& translate = {});

// The name to show for a unit: the unit's own name (service 09, "ECU name") where it gave one,
// else defaultName.
QString displayName(const QString& address, const QHash<QString, QString>& ownNames,
                    const std::function<QString(const char*)>& translate = {});

// The unit whose value stands for the vehicle where one value is shown: the engine unit when
// it answered, else the first of `answered` (the order units answered "0100"); empty when none.
QString engineUnit(const QList<QString>& answered);

} // namespace control_units
