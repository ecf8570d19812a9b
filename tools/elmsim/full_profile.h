#pragma once

#include <QString>
#include <memory>

class VehicleProfile;

// "full": a vehicle that answers what the simulated Demo-Mode vehicle leaves out. An engine unit
// with more live PIDs, a freeze frame caused by P0133, on-board monitoring results (service 06:
// a failed catalyst and misfires of cylinder 3 on CAN, the older form elsewhere), oxygen-sensor
// test results for sensors 01 and 02, codes that "04" really clears (until the emulator restarts)
// but for the permanent P0133, in-use performance ratios and the engine's name; beside it the
// transmission unit of sim_units, so the program reads answers of two units.
std::unique_ptr<VehicleProfile> makeFullProfile();

// The engine unit's answer to a service 01 request ("010F"), empty for a PID it does not support.
QString fullEngineAnswer(const QString& request);
