// "units" and "iupr": what each control unit said of itself at the connection.

#include "core/connection/program_context.h"
#include "core/j1979/control_units.h"
#include "core/j1979/vehicle_units.h"
#include "core/l10n/const_str.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_session.h"
#include "tools/cli/cli_values.h"

#include <QJsonArray>

namespace {

QString unitName(const ProgramContext& context, const VehicleUnit& unit) {
    return unit.address.isEmpty() ? QStringLiteral("all control units (not told apart)")
                                  : control_units::displayName(unit.address, context.unitNames);
}

QJsonValue textOrNull(bool read, const QString& text) {
    return read ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
}

QJsonValue listOrNull(bool read, const QStringList& list) {
    return read ? QJsonValue(QJsonArray::fromStringList(list)) : QJsonValue(QJsonValue::Null);
}

} // namespace

namespace cli_vehicle {

int units(CliSession& session, CliIo& io) {
    const ProgramContext& context = session.context();
    QJsonArray array;
    for (const VehicleUnit& unit : context.vehicleUnits) {
        const Service09& info = unit.info;
        const bool vinRead = info.vinState() == Service09::ItemState::Read;
        const bool idsRead = info.calibrationIdState() == Service09::ItemState::Read;
        const bool cvnsRead = info.cvnState() == Service09::ItemState::Read;
        const std::optional<ReadinessCount> ready = readinessCount(unit.status);
        io.line(QStringLiteral("Control unit %1: %2")
                    .arg(unit.address.isEmpty() ? const_str::NotAvailable : unit.address,
                         unitName(context, unit)));
        io.line(QStringLiteral("  Protocol: ") + context.protocolName);
        if (vinRead)
            io.line(QStringLiteral("  ") + const_str::CliVin + QStringLiteral(": ") + info.vin());
        for (const QString& id : idsRead ? info.calibrationIds() : QStringList())
            io.line(QStringLiteral("  ") + const_str::CliCid + QStringLiteral(": ") + id);
        for (const QString& cvn : cvnsRead ? info.calibrationVerificationNumbers() : QStringList())
            io.line(QStringLiteral("  ") + const_str::CliCvn + QStringLiteral(": ") + cvn);
        if (ready)
            io.line(QStringLiteral("  MIL: %1, readiness: %2")
                        .arg(unit.status.milOn ? const_str::CliOn : const_str::CliOff,
                             const_str::VehicleReadinessCount.arg(ready->complete)
                                 .arg(ready->supported)));
        QJsonObject json{
            {QStringLiteral("address"), unit.address},
            {QStringLiteral("name"), unitName(context, unit)},
            {QStringLiteral("ecuName"), textOrNull(!info.ecuName().isEmpty(), info.ecuName())},
            {QStringLiteral("protocol"), context.protocolName},
            {QStringLiteral("vin"), textOrNull(vinRead, info.vin())},
            {QStringLiteral("calibrationIds"), listOrNull(idsRead, info.calibrationIds())},
            {QStringLiteral("cvns"), listOrNull(cvnsRead, info.calibrationVerificationNumbers())},
            {QStringLiteral("mil"),
             unit.status.answered ? QJsonValue(unit.status.milOn) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("monitorsSupported"),
             ready ? QJsonValue(ready->supported) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("monitorsComplete"),
             ready ? QJsonValue(ready->complete) : QJsonValue(QJsonValue::Null)},
        };
        array.append(json);
    }
    const bool apart =
        !(context.vehicleUnits.size() == 1 && context.vehicleUnits.first().address.isEmpty());
    if (!apart)
        io.line(const_str::VehicleUnitsMerged);
    io.doc[QStringLiteral("unitsApart")] = apart;
    io.doc[QStringLiteral("units")] = array;
    if (context.vehicleUnits.isEmpty()) {
        io.error(const_str::VehicleNoUnits);
        return cli_exit::NoAnswer;
    }
    return cli_exit::Success;
}

int iupr(CliSession& session, CliIo& io) {
    const ProgramContext& context = session.context();
    UnreadValues unread;
    QJsonArray array;
    for (const VehicleUnit& unit : context.vehicleUnits) {
        const InUseRatios& ratios = unit.info.inUseRatios();
        if (ratios.problem == InUseRatios::Problem::NotAsked)
            continue;
        const QString name = unitName(context, unit);
        QJsonObject json{{QStringLiteral("address"), unit.address}, {QStringLiteral("name"), name}};
        if (ratios.problem != InUseRatios::Problem::None) {
            const QString problem = inUseProblemText(ratios, name);
            unread.add(io, QStringLiteral("in-use ratios of ") + name, problem);
            json[QStringLiteral("error")] = problem;
            array.append(json);
            continue;
        }
        io.line(const_str::VehicleInUseCounters.arg(name)
                    .arg(ratios.obdConditions)
                    .arg(ratios.ignitionCycles));
        QJsonArray rows;
        for (const InUseRatio& ratio : ratios.monitors) {
            const std::optional<double> value = ratio.ratio();
            io.line(QStringLiteral("  %1\t%2/%3\t%4")
                        .arg(ratio.monitor)
                        .arg(ratio.completions)
                        .arg(ratio.conditions)
                        .arg(value ? QString::number(*value, 'f', 3) : const_str::NotAvailable));
            rows.append(QJsonObject{
                {QStringLiteral("monitor"), ratio.monitor},
                {QStringLiteral("completions"), ratio.completions},
                {QStringLiteral("conditions"), ratio.conditions},
                {QStringLiteral("ratio"),
                 value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null)},
            });
        }
        json[QStringLiteral("ignition")] =
            ratios.compressionIgnition ? QStringLiteral("compression") : QStringLiteral("spark");
        json[QStringLiteral("obdConditions")] = ratios.obdConditions;
        json[QStringLiteral("ignitionCycles")] = ratios.ignitionCycles;
        json[QStringLiteral("ratios")] = rows;
        array.append(json);
    }
    io.doc[QStringLiteral("units")] = array;
    if (array.isEmpty())
        unread.add(io, QStringLiteral("in-use ratios"),
                   QStringLiteral("no control unit lists them in its supported set"));
    return unread.finish(io.doc);
}

} // namespace cli_vehicle
