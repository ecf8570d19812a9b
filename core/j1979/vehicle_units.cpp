#include "core/j1979/vehicle_units.h"

#include "core/l10n/const_str.h"
#include "core/link/per_unit_link.h"

QList<VehicleUnit> readVehicleUnits(PerUnitCache& cache, bool withDriveCycle) {
    // The supported set names the units that answer service 09; "0101" those that answer 01.
    cache.fetch(QStringLiteral("0900"));
    cache.fetch(QStringLiteral("0101"));
    QList<VehicleUnit> units;
    for (const QString& address : cache.units()) {
        VehicleUnit unit;
        unit.address = address;
        UnitLink link(cache, address);
        unit.info.readVehicleInfo(link);
        unit.info.readUnitDetails(link);
        unit.status = readMonitorStatus(link, withDriveCycle);
        units.append(std::move(unit));
    }
    return units;
}

std::optional<ReadinessCount> readinessCount(const MonitorStatus& status) {
    if (!status.answered)
        return std::nullopt;
    ReadinessCount count;
    for (const EvaluatedMonitor& monitor : fullMonitors(status.ignition)) {
        const MonitorReadiness state = readiness(status, monitor);
        count.supported += state.supported ? 1 : 0;
        count.complete += state.supported && state.completed ? 1 : 0;
    }
    return count;
}

QString inUseProblemText(const InUseRatios& ratios, const QString& unitName) {
    switch (ratios.problem) {
    case InUseRatios::Problem::NotAnswered:
        return const_str::VehicleRatiosNotAnswered.arg(unitName);
    case InUseRatios::Problem::Garbled:
        return const_str::VehicleRatiosGarbled.arg(unitName);
    case InUseRatios::Problem::OddCount:
        return const_str::VehicleRatiosOddCount.arg(unitName);
    case InUseRatios::Problem::None:
    case InUseRatios::Problem::NotAsked:
        break;
    }
    return {};
}
