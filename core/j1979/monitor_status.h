#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <span>

class CommandLink;

// Which set of non-continuous monitors bytes C and D name: bit 3 of byte B.
enum class Ignition { Spark, Compression };

// The readiness bits of bytes B to D, laid out alike in the answers to "0101" (since the codes
// were cleared) and "0141" (this drive cycle, where "supported" reads "enabled").
struct MonitorFlags {
    Ignition ignition = Ignition::Spark;
    // Misfire, fuel system, comprehensive components; the fourth is not evaluated.
    std::array<bool, 4> continuousSupported{};
    std::array<bool, 4> continuousCompleted{};
    // Bits 0..7 of bytes C/D; their meaning depends on the ignition (see fullMonitors).
    std::array<bool, 8> nonContinuousSupported{};
    std::array<bool, 8> nonContinuousCompleted{};
};

// Trouble-code count, lamp and readiness of the emission monitors, from service 01 PID 01, and
// where the vehicle has it, PID 41.
struct MonitorStatus : MonitorFlags {
    // False when the vehicle did not answer "0101" with the whole record; then every other field
    // keeps its empty value and shows as not read, never as "No", "Off" or 0.
    bool answered = false;
    int troubleCodeCount = 0;
    bool milOn = false;
    // The monitors of this drive cycle; only meaningful when driveCycleAnswered.
    bool driveCycleAnswered = false;
    MonitorFlags driveCycle;
};

// The seven monitors whose readiness the program evaluates, in the order every view shows them.
// The further ones follow: the rest of the spark-ignition set, then the compression-ignition one
// (its exhaust gas recirculation shares the spark set's entry).
enum class Monitor {
    Misfire,
    FuelSystem,
    Components,
    Catalyst,
    EvaporativeSystem,
    OxygenSensor,
    OxygenSensorHeater,
    HeatedCatalyst,
    SecondaryAir,
    AirConditioning,
    ExhaustGasRecirculation,
    NmhcCatalyst,
    NoxAftertreatment,
    BoostPressure,
    ExhaustGasSensor,
    ParticulateFilter
};

// Where a monitor's flags sit in the answer to "0101": a continuous monitor's "supported" bit in
// byte B with its "incomplete" bit four places above; a non-continuous one's "supported" bit in
// byte C and its "incomplete" bit at the same place in byte D.
struct EvaluatedMonitor {
    Monitor monitor;
    bool continuous;
    int bit;
};

inline constexpr std::array<EvaluatedMonitor, 7> evaluatedMonitors{{
    {Monitor::Misfire, true, 0},
    {Monitor::FuelSystem, true, 1},
    {Monitor::Components, true, 2},
    {Monitor::Catalyst, false, 0},
    {Monitor::EvaporativeSystem, false, 2},
    {Monitor::OxygenSensor, false, 5},
    {Monitor::OxygenSensorHeater, false, 6},
}};

struct MonitorReadiness {
    bool supported = false;
    bool completed = false;
};

MonitorReadiness readiness(const MonitorFlags& flags, const EvaluatedMonitor& monitor);

// Every monitor the answer defines for an ignition type, continuous ones first, then bytes C/D
// from bit 0 up (reserved bits left out).
inline constexpr std::array<EvaluatedMonitor, 11> sparkMonitors{{
    {Monitor::Misfire, true, 0},
    {Monitor::FuelSystem, true, 1},
    {Monitor::Components, true, 2},
    {Monitor::Catalyst, false, 0},
    {Monitor::HeatedCatalyst, false, 1},
    {Monitor::EvaporativeSystem, false, 2},
    {Monitor::SecondaryAir, false, 3},
    {Monitor::AirConditioning, false, 4},
    {Monitor::OxygenSensor, false, 5},
    {Monitor::OxygenSensorHeater, false, 6},
    {Monitor::ExhaustGasRecirculation, false, 7},
}};
inline constexpr std::array<EvaluatedMonitor, 9> compressionMonitors{{
    {Monitor::Misfire, true, 0},
    {Monitor::FuelSystem, true, 1},
    {Monitor::Components, true, 2},
    {Monitor::NmhcCatalyst, false, 0},
    {Monitor::NoxAftertreatment, false, 1},
    {Monitor::BoostPressure, false, 3},
    {Monitor::ExhaustGasSensor, false, 5},
    {Monitor::ParticulateFilter, false, 6},
    {Monitor::ExhaustGasRecirculation, false, 7},
}};

std::span<const EvaluatedMonitor> fullMonitors(Ignition ignition);

// True for the seven monitors of evaluatedMonitors.
bool isEvaluated(Monitor monitor);

// The monitors of the ignition type that the vehicle supports and evaluatedMonitors does not
// show, in the order of fullMonitors.
QList<EvaluatedMonitor> furtherSupportedMonitors(const MonitorFlags& flags);

// The record held by an answer to "0101"; an answer that does not start with "4101" followed by
// the four data bytes gives the empty, unanswered record. Only the first control unit's status
// counts.
MonitorStatus parseMonitorStatus(const QString& answer);

// The flags of an answer to "0141" (byte A is reserved), or nothing unless it starts with "4141"
// and the four data bytes.
std::optional<MonitorFlags> parseDriveCycleStatus(const QString& answer);

// Sends "0101" and parses the answer; with withDriveCycle (the vehicle lists PID 41) also "0141".
MonitorStatus readMonitorStatus(CommandLink& link, bool withDriveCycle = false);
