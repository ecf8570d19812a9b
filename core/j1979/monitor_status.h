#pragma once

#include <QString>
#include <array>

class CommandLink;

// Trouble-code count, lamp and readiness of the emission monitors, from service 01 PID 01.
struct MonitorStatus {
    // False when the vehicle did not answer "0101" with the whole record; then every other field
    // keeps its empty value and shows as not read, never as "No", "Off" or 0.
    bool answered = false;
    int troubleCodeCount = 0;
    bool milOn = false;
    // Misfire, fuel system, comprehensive components; the fourth is not evaluated.
    std::array<bool, 4> continuousSupported{};
    std::array<bool, 4> continuousCompleted{};
    // Catalyst, heated catalyst, evaporative system, secondary air, air-conditioning refrigerant,
    // oxygen sensor, oxygen sensor heater, exhaust gas recirculation. Only catalyst, evaporative
    // system, oxygen sensor and its heater are evaluated.
    std::array<bool, 8> nonContinuousSupported{};
    std::array<bool, 8> nonContinuousCompleted{};
};

// The seven monitors whose readiness the program evaluates, in the order every view shows them.
enum class Monitor {
    Misfire,
    FuelSystem,
    Components,
    Catalyst,
    EvaporativeSystem,
    OxygenSensor,
    OxygenSensorHeater
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

MonitorReadiness readiness(const MonitorStatus& status, const EvaluatedMonitor& monitor);

// The record held by an answer to "0101"; an answer that does not start with "4101" followed by
// the four data bytes gives the empty, unanswered record. Only the first control unit's status
// counts.
MonitorStatus parseMonitorStatus(const QString& answer);

// Sends "0101" and parses the answer.
MonitorStatus readMonitorStatus(CommandLink& link);
