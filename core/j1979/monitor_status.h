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

// The record held by an answer to "0101"; an answer that does not start with "4101" followed by
// the four data bytes gives the empty, unanswered record. Only the first control unit's status
// counts.
MonitorStatus parseMonitorStatus(const QString& answer);

// Sends "0101" and parses the answer.
MonitorStatus readMonitorStatus(CommandLink& link);
