#pragma once

#include "core/j1979/monitor_status.h"
#include "core/j1979/service09.h"

#include <QList>
#include <QString>
#include <optional>

class PerUnitCache;

// What each control unit of the vehicle said of itself.
struct VehicleUnit {
    // As the answer's header names it (unit_answer.h); empty when units could not be told apart.
    QString address;
    // Its vehicle information: VIN where it keeps one, calibration IDs and CVNs, its name and its
    // in-use performance ratios.
    Service09 info;
    // Its own lamp, code count and readiness (its answer to "0101"); not answered where it gave
    // none, as a transmission often does.
    MonitorStatus status;
};

// How many of the monitors a unit supports are complete; nothing when its status was not read.
struct ReadinessCount {
    int supported = 0;
    int complete = 0;
};
std::optional<ReadinessCount> readinessCount(const MonitorStatus& status);

// Why a unit's in-use ratios are missing, as the user reads it ("Engine (7E8): the in-use
// performance ratios could not be read: ..."); empty when they were read or never asked.
QString inUseProblemText(const InUseRatios& ratios, const QString& unitName);

// Reads every unit's vehicle information and status through the cache (each request goes out
// once, whichever units answer it), in the order the units first answered. withDriveCycle asks
// "0141" too, for units whose status is read.
QList<VehicleUnit> readVehicleUnits(PerUnitCache& cache, bool withDriveCycle = false);
