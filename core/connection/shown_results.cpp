#include "core/connection/shown_results.h"

#include "core/connection/freeze_frame_reading.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/control_units.h"
#include "core/j1979/monitor_names.h"
#include "core/j1979/monitor_reading.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/l10n/const_str.h"
#include "core/l10n/grid_headings.h"

#include <algorithm>

namespace {

QString yesNo(bool flag) {
    return flag ? const_str::Yes : const_str::No;
}

} // namespace

void forgetReadings(ShownResults& shown) {
    ShownResults fresh;
    fresh.userAddress = shown.userAddress;
    shown = fresh;
}

ShownMonitorStatus shownMonitorStatus(const MonitorStatus& status) {
    ShownMonitorStatus shown;
    if (!status.answered) {
        shown.state = ReadState::CouldNotBeRead;
        shown.milStatus = const_str::NotAvailable;
        shown.supported.fill(const_str::NotAvailable);
        shown.completed.fill(const_str::NotAvailable);
        return shown;
    }
    shown.state = ReadState::Read;
    // The lamp's own captions, which the lamp writes into the label whenever it switches.
    shown.milStatus = status.milOn ? QStringLiteral("On") : QStringLiteral("Off");
    for (std::size_t i = 0; i < evaluatedMonitors.size(); ++i) {
        const MonitorReadiness flags = readiness(status, evaluatedMonitors[i]);
        shown.supported[i] = yesNo(flags.supported);
        shown.completed[i] = yesNo(flags.completed);
    }
    shown.ignition = ignitionText(status.ignition);
    shown.monitors = shownSupportedMonitors(status);
    return shown;
}

const QString& monitorCaption(Monitor monitor) {
    switch (monitor) {
    case Monitor::Misfire:
        return const_str::CliMisfire;
    case Monitor::FuelSystem:
        return const_str::CliFuelSystem;
    case Monitor::Components:
        return const_str::CliComponents;
    case Monitor::Catalyst:
        return const_str::CliCatalyst;
    case Monitor::EvaporativeSystem:
        return const_str::CliEvaporativeSystem;
    case Monitor::OxygenSensor:
        return const_str::CliOxygenSensor;
    case Monitor::OxygenSensorHeater:
        return const_str::CliOxygenSensorHeater;
    case Monitor::HeatedCatalyst:
        return const_str::MonitorHeatedCatalyst;
    case Monitor::SecondaryAir:
        return const_str::MonitorSecondaryAir;
    case Monitor::AirConditioning:
        return const_str::MonitorAirConditioning;
    case Monitor::ExhaustGasRecirculation:
        return const_str::MonitorExhaustGasRecirculation;
    case Monitor::NmhcCatalyst:
        return const_str::MonitorNmhcCatalyst;
    case Monitor::NoxAftertreatment:
        return const_str::MonitorNoxAftertreatment;
    case Monitor::BoostPressure:
        return const_str::MonitorBoostPressure;
    case Monitor::ExhaustGasSensor:
        return const_str::MonitorExhaustGasSensor;
    case Monitor::ParticulateFilter:
        break;
    }
    return const_str::MonitorParticulateFilter;
}

QLatin1String monitorKey(Monitor monitor) {
    static constexpr std::pair<Monitor, const char*> keys[] = {
        {Monitor::Misfire, "misfire"},
        {Monitor::FuelSystem, "fuelSystem"},
        {Monitor::Components, "components"},
        {Monitor::Catalyst, "catalyst"},
        {Monitor::EvaporativeSystem, "evaporativeSystem"},
        {Monitor::OxygenSensor, "oxygenSensor"},
        {Monitor::OxygenSensorHeater, "oxygenSensorHeater"},
        {Monitor::HeatedCatalyst, "heatedCatalyst"},
        {Monitor::SecondaryAir, "secondaryAir"},
        {Monitor::AirConditioning, "acRefrigerant"},
        {Monitor::ExhaustGasRecirculation, "egrVvt"},
        {Monitor::NmhcCatalyst, "nmhcCatalyst"},
        {Monitor::NoxAftertreatment, "noxAftertreatment"},
        {Monitor::BoostPressure, "boostPressure"},
        {Monitor::ExhaustGasSensor, "exhaustGasSensor"},
        {Monitor::ParticulateFilter, "pmFilter"},
    };
    for (const auto& [m, key] : keys)
        if (m == monitor)
            return QLatin1String(key);
    return QLatin1String("monitor");
}

const QString& ignitionText(Ignition ignition) {
    return ignition == Ignition::Compression ? const_str::CompressionIgnition
                                             : const_str::SparkIgnition;
}

QList<ShownMonitorRow> shownSupportedMonitors(const MonitorStatus& status) {
    QList<ShownMonitorRow> rows;
    if (!status.answered)
        return rows;
    for (const EvaluatedMonitor& m : fullMonitors(status.ignition)) {
        const MonitorReadiness flags = readiness(status, m);
        if (!flags.supported)
            continue;
        rows.append({monitorCaption(m.monitor), yesNo(flags.completed),
                     status.driveCycleAnswered ? yesNo(readiness(status.driveCycle, m).completed)
                                               : QString()});
    }
    return rows;
}

ShownCodeGrid shownCodeGrid(const std::optional<QStringList>& codes, const FaultCodeTable& table,
                            const QString& maker, const QString& noCodesText,
                            const QString& notReadText) {
    return shownCodeGrid(withoutUnits(codes), table, maker, noCodesText, notReadText, {});
}

ShownCodeGrid shownCodeGrid(const UnitCodeList& codes, const FaultCodeTable& table,
                            const QString& maker, const QString& noCodesText,
                            const QString& notReadText, const QHash<QString, QString>& unitNames) {
    ShownCodeGrid grid;
    grid.rows.clear();
    if (!codes) {
        grid.state = ReadState::CouldNotBeRead;
        grid.rows.append({QString(), notReadText});
        return grid;
    }
    grid.state = ReadState::Read;
    if (codes->isEmpty())
        grid.rows.append({QStringLiteral("P0000"), noCodesText});
    for (const UnitCode& code : *codes)
        grid.rows.append({code.code,
                          table.findDescription(code.code, manufacturerForCode(code.code, maker))
                              .value_or(QString()),
                          control_units::displayName(code.unit, unitNames)});
    return grid;
}

ShownCodeGrid shownPermanentCodes(const PermanentCodes& codes, const FaultCodeTable& table,
                                  const QString& maker, const QHash<QString, QString>& unitNames) {
    using State = PermanentCodes::State;
    if (codes.state == State::Read)
        return shownCodeGrid(codes.codes, table, maker, const_str::NoPermanentCodes,
                             const_str::PermanentCodesNotRead, unitNames);
    ShownCodeGrid grid;
    const bool notSupported = codes.state == State::NotSupported;
    grid.state = notSupported ? ReadState::NotSupported : ReadState::CouldNotBeRead;
    grid.rows = {{QString(), notSupported ? const_str::PermanentCodesNotSupported
                                          : const_str::PermanentCodesNotRead}};
    return grid;
}

ShownFreezeFrame shownFreezeFrame(const FreezeFrameReading& reading, const FaultCodeTable& table,
                                  const QString& maker) {
    ShownFreezeFrame shown;
    shown.state = reading.codes ? ReadState::Read : ReadState::CouldNotBeRead;
    shown.code = shownCodeGrid(reading.codes, table, maker, const_str::NoFreezeFrame,
                               const_str::FreezeFrameNotRead);
    if (!reading.rows.isEmpty())
        shown.rows.clear();
    for (const FreezeFrameRow& row : reading.rows)
        shown.rows.append({row.pid, row.name, row.value.value_or(const_str::Error), row.unit});
    return shown;
}

ReadState o2TestsState(const std::array<O2TestResult, 10>& results) {
    // Empty values of tests that did not come must not pass for a reading of the sensor.
    const bool anyAnswered = std::any_of(results.begin(), results.end(), [](const O2TestResult& r) {
        return r.status == QLatin1String("1");
    });
    return anyAnswered ? ReadState::Read : ReadState::CouldNotBeRead;
}

ShownO2Tests shownO2Tests(const QString& location, const std::array<O2TestResult, 10>* results) {
    const GridHeadingTexts texts = gridHeadingTexts();
    ShownO2Tests shown;
    shown.state = results != nullptr ? o2TestsState(*results) : ReadState::NotYetRead;
    shown.location = location;
    shown.heading = texts.o2Grid;
    for (int i = 0; i < O2TestCount; ++i) {
        const GridHeadingTexts::O2TestRow& test = texts.o2TestRows[std::size_t(i)];
        QStringList row{test.status, test.testId, test.description, QString(),
                        QString(),   QString(),   test.unit};
        if (results != nullptr) {
            const O2TestResult& result = (*results)[std::size_t(i)];
            row[0] = result.status;
            row[3] = result.value;
            row[4] = result.minimum;
            row[5] = result.maximum;
        }
        shown.rows.append(row);
    }
    return shown;
}

ShownMonitorTests shownMonitorTests(const MonitorReading& reading) {
    const auto number = [](const std::optional<double>& value) {
        return value ? QString::number(*value, 'g', 10) : QStringLiteral("-");
    };
    ShownMonitorTests shown;
    shown.state = reading.complete ? ReadState::Read : ReadState::CouldNotBeRead;
    for (const MonitorTestResult& row : reading.results)
        shown.rows.append({row.unitKey, monitor_names::rowMonitorText(row),
                           monitor_names::rowTestText(row), number(row.value), number(row.minimum),
                           number(row.maximum), monitor_names::rowUnitText(row), row.state});
    return shown;
}
