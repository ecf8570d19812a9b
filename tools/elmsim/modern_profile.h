#pragma once

#include "tools/elmsim/drive_profile.h"

#include <QString>
#include <memory>
#include <optional>

class VehicleProfile;

// "modern" and "diesel": cars of about 2018 on CAN that answer the service 01 PIDs above 4E as
// well. The petrol car (a small turbocharged engine, six gears) reports fuel type, oil
// temperature, fuel rate, torque, its coolant, intake air and EGR temperature sensors, boost,
// turbocharger speed, run times, gear and odometer; the diesel adds exhaust gas and particulate
// filter temperatures and pressures, NOx, reagent (AdBlue) and fuel mass rate, and lacks what
// only a petrol engine has (fuel trims, oxygen sensors, ignition timing). Both announce their
// PIDs up to block A0, keep a freeze frame with the new PIDs behind the code that stored it
// (P0299 underboost, P2002 particulate filter efficiency), and clear it with "04". The live values
// follow the engine: rpm and gear the speed, load the acceleration, airflow and fuel rate both,
// coolant and oil warm up from the start, odometer and run times count on. They drive as
// DriveCurve says when the settings say so, and stand idling otherwise. Service 06 answers as the
// full profile's engine does on CAN, service 09 as sim_units says, with the in-use ratios of
// the engine's kind; the freeze frame's code is permanent (service 0A).
enum class ModernEngine { Petrol, Diesel };

// The engine of the profile name ("modern": petrol, "diesel"); nothing for other names.
std::optional<ModernEngine> modernEngine(const QString& profile);

// The car, driving as the settings say when they are enabled; the clock is injectable for tests.
std::unique_ptr<VehicleProfile> makeModernProfile(ModernEngine engine, const DriveSettings& drive,
                                                  DriveClock now = {});
