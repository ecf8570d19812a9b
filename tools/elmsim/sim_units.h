#pragma once

#include <QString>
#include <memory>

class VehicleProfile;

// The control units behind the vehicle profiles beside the engine's live data, answering in ISO
// layout (each message seven bytes, vehicle information as numbered messages with their count
// types); can_vehicle lays the answers out for CAN.
namespace sim_units {

// The engine's vehicle information (service 09) beyond the Demo-Mode tables: a car of about 2018
// with a petrol engine reports the twenty in-use ratios of spark ignition (09 08, with the
// secondary oxygen sensors), a diesel the eighteen of compression ignition (09 0B) instead. Both
// name themselves "ECM-EngineControl"; VIN and calibrations are the Demo-Mode vehicle's. Empty
// for a type the engine does not support.
enum class Ignition { Spark, Compression };
QString modernEngineInfo(const QString& request, Ignition ignition);

// The transmission unit: it reads load, coolant temperature, engine and vehicle speed (its
// bitmap names them; their values are the caller's), reports a status, stores P0700 and has
// P0715 pending, none of them permanent, and confirms a clearing, after which it has no codes.
// It has its own calibration, CVN and name ("TCM-TransmissionCtl") and no in-use ratios.
// Empty for a request it does not answer and for the live values.
QString transmissionAnswer(const QString& request, bool cleared);
bool isSharedValue(const QString& request);

// A one-unit vehicle with that transmission beside its engine (elmsim --units 2): it answers
// after the engine, with the engine's values for the ones it reads off the bus. A request the
// vehicle itself answers from several units already is left as it is.
std::unique_ptr<VehicleProfile> withTransmission(VehicleProfile& engine);

// The source address of a unit on the older protocols: 10 the engine, 18 the transmission.
int isoAddress(int unit);

} // namespace sim_units
