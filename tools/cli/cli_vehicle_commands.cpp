#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/trouble_codes.h"
#include "core/l10n/const_str.h"
#include "core/link/visible_text.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_session.h"

#include <QDateTime>
#include <QJsonArray>
#include <algorithm>
#include <bit>

namespace {

QString yesNo(bool value) {
    return value ? const_str::Yes : const_str::No;
}

const TSensorData& catalogueEntry(int pid) {
    return SensorCatalogue[std::size_t(pid - 1)];
}

QString unitOf(const TSensorData& entry, bool english) {
    return english ? entry.englishUnit : entry.metricUnit;
}

QString withUnit(const QString& value, const QString& unit) {
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

// The maker for codes outside the "P0" range: the one asked for, else the first of the table,
// as the trouble-code page starts with.
QString chosenMaker(CliSession& session, const CliOptions& options) {
    if (!options.maker.isEmpty())
        return options.maker;
    const QStringList& makers = session.context().kbmFaultCodesTable.manufacturers();
    return makers.isEmpty() ? kGenericManufacturer : makers.first();
}

QJsonArray describedCodes(CliSession& session, const QStringList& codes, const QString& maker,
                          const QString& emptyText, CliIo& io) {
    QJsonArray array;
    if (codes.isEmpty())
        io.line(QStringLiteral("P0000  ") + emptyText);
    for (const QString& code : codes) {
        const auto description = session.context().kbmFaultCodesTable.FindFaultDescription(
            code, manufacturerForCode(code, maker));
        io.line(code + QStringLiteral("  ") + description.value_or(QString()));
        array.append(
            QJsonObject{{QStringLiteral("code"), code},
                        {QStringLiteral("description"),
                         description ? QJsonValue(*description) : QJsonValue(QJsonValue::Null)}});
    }
    return array;
}

QList<int> pidsOf(const CliOptions& options) {
    QList<int> pids;
    for (const QString& text : options.args)
        pids << parseCataloguePid(text);
    return pids;
}

void requireFaultCodes(CliSession& session, CliIo& io) {
    if (!session.loadFaultCodes())
        for (const QString& message : session.notifier().messages)
            io.error(message);
}

} // namespace

int parseCataloguePid(const QString& text) {
    bool ok = false;
    const int pid = text.trimmed().toInt(&ok, 16);
    // 20 and 40 only announce further PIDs; they carry no value.
    if (!ok || text.trimmed().size() > 2 || pid < 1 || pid > CataloguePidCount || pid == 0x20 ||
        pid == 0x40)
        throw CliUsageError(
            QStringLiteral("unknown PID %1 (service 01 PIDs are 01..4E)").arg(text));
    return pid;
}

namespace cli_vehicle {

void validate(const CliOptions& options) {
    const QString& command = options.command;
    if (command == QLatin1String("pid") || command == QLatin1String("watch")) {
        pidsOf(options);
    } else if (command == QLatin1String("clear") && !options.yes) {
        throw CliUsageError(
            QStringLiteral("clear erases the stored trouble codes; add --yes to send it"));
    } else if (command == QLatin1String("o2") && !options.args.isEmpty()) {
        bool ok = false;
        const int sensor = options.args.first().toInt(&ok);
        if (!ok || sensor < 1 || sensor > 8)
            throw CliUsageError(
                QStringLiteral("oxygen sensor %1: give a number 1..8").arg(options.args.first()));
    } else if (command == QLatin1String("raw")) {
        const QString& request = options.args.first();
        if (request.trimmed().isEmpty() || request.contains(QLatin1Char('\r')) ||
            request.contains(QLatin1Char('\n')))
            throw CliUsageError(QStringLiteral("raw needs one command line without line ends"));
    }
}

int connect(CliSession& session, CliIo& io) {
    QJsonArray stages;
    for (const CliConnectionView::Line& line : session.view().lines) {
        io.line((line.ok ? QStringLiteral("OK   ") : QStringLiteral("ERR  ")) + line.text);
        stages.append(
            QJsonObject{{QStringLiteral("text"), line.text}, {QStringLiteral("ok"), line.ok}});
    }
    io.doc[QStringLiteral("connected")] = true;
    io.doc[QStringLiteral("port")] = session.view().comLabel;
    io.doc[QStringLiteral("interface")] = session.chipVersion();
    io.doc[QStringLiteral("stages")] = stages;
    return cli_exit::Success;
}

int status(CliSession& session, CliIo& io) {
    const TMode01& mode01 = *session.context().mode01;
    const TMonitorStatus& status = mode01.monitorStatus();
    io.line(const_str::CliMilStatus + QLatin1Char(' ') +
            (status.milOn ? const_str::CliOn : const_str::CliOff));
    io.line(const_str::CliStoredDtcs + QStringLiteral(": ") +
            QString::number(status.troubleCodeCount));
    io.line(const_str::CliObdType + QStringLiteral(": ") + mode01.obdType());

    struct Monitor {
        const char* key;
        const QString& label;
        bool supported;
        bool completed;
    };
    const Monitor monitors[] = {
        {"misfire", const_str::CliMisfire, status.continuousSupported[0],
         status.continuousCompleted[0]},
        {"fuelSystem", const_str::CliFuelSystem, status.continuousSupported[1],
         status.continuousCompleted[1]},
        {"components", const_str::CliComponents, status.continuousSupported[2],
         status.continuousCompleted[2]},
        {"catalyst", const_str::CliCatalyst, status.nonContinuousSupported[0],
         status.nonContinuousCompleted[0]},
        {"evaporativeSystem", const_str::CliEvaporativeSystem, status.nonContinuousSupported[2],
         status.nonContinuousCompleted[2]},
        {"oxygenSensor", const_str::CliOxygenSensor, status.nonContinuousSupported[5],
         status.nonContinuousCompleted[5]},
        {"oxygenSensorHeater", const_str::CliOxygenSensorHeater, status.nonContinuousSupported[6],
         status.nonContinuousCompleted[6]},
    };
    int width = 0;
    for (const Monitor& m : monitors)
        width = std::max(width, int(m.label.size()));
    const int column = int(std::max({const_str::CliSupported.size(), const_str::Yes.size(),
                                     const_str::No.size()})) +
                       2;
    io.line(QString(width + 2, QLatin1Char(' ')) + const_str::CliSupported.leftJustified(column) +
            const_str::CliCompleted);
    QJsonObject monitorJson;
    for (const Monitor& m : monitors) {
        // The page's rule: an unsupported monitor is "No" in both columns.
        const bool completed = m.supported && m.completed;
        io.line(m.label.leftJustified(width + 2) + yesNo(m.supported).leftJustified(column) +
                yesNo(completed));
        monitorJson[QLatin1String(m.key)] = QJsonObject{{QStringLiteral("supported"), m.supported},
                                                        {QStringLiteral("completed"), completed}};
    }
    io.doc[QStringLiteral("mil")] = status.milOn;
    io.doc[QStringLiteral("storedCodeCount")] = status.troubleCodeCount;
    io.doc[QStringLiteral("obdType")] = mode01.obdType();
    io.doc[QStringLiteral("monitors")] = monitorJson;
    return cli_exit::Success;
}

int vin(CliSession& session, CliIo& io) {
    const TMode09& info = *session.context().mode09;
    io.line(const_str::CliVin + QStringLiteral(": ") + info.vin());
    for (const QString& id : info.calibrationIds())
        io.line(const_str::CliCid + QStringLiteral(": ") + id);
    for (const QString& cvn : info.calibrationVerificationNumbers())
        io.line(const_str::CliCvn + QStringLiteral(": ") + cvn);
    io.doc[QStringLiteral("vin")] = info.vin();
    io.doc[QStringLiteral("calibrationIds")] = QJsonArray::fromStringList(info.calibrationIds());
    io.doc[QStringLiteral("cvns")] =
        QJsonArray::fromStringList(info.calibrationVerificationNumbers());
    return cli_exit::Success;
}

int pid(CliSession& session, const CliOptions& options, CliIo& io) {
    QJsonArray values;
    for (int number : pidsOf(options)) {
        const TSensorData& entry = catalogueEntry(number);
        const QString value = session.context().mode01->GetPIDValue(
            session.context().link, QStringLiteral("01"), entry.pidCode, session.english());
        const QString unit = unitOf(entry, session.english());
        io.line(entry.pidCode + QStringLiteral("  ") + entry.name + QStringLiteral(": ") +
                withUnit(value, unit));
        values.append(QJsonObject{{QStringLiteral("pid"), entry.pidCode},
                                  {QStringLiteral("name"), entry.name},
                                  {QStringLiteral("value"), value},
                                  {QStringLiteral("unit"), unit}});
    }
    io.doc[QStringLiteral("values")] = values;
    return cli_exit::Success;
}

int watch(CliSession& session, const CliOptions& options, CliIo& io) {
    const QList<int> pids = pidsOf(options);
    QStringList heading{QStringLiteral("Time")};
    QJsonArray columns;
    for (int number : pids) {
        const TSensorData& entry = catalogueEntry(number);
        const QString unit = unitOf(entry, session.english());
        heading << entry.pidCode + QLatin1Char(' ') + entry.name +
                       (unit.isEmpty() ? QString()
                                       : QStringLiteral(" [") + unit + QLatin1Char(']'));
        columns.append(QJsonObject{{QStringLiteral("pid"), entry.pidCode},
                                   {QStringLiteral("name"), entry.name},
                                   {QStringLiteral("unit"), unit}});
    }
    io.line(heading.join(QLatin1Char('\t')));

    QJsonArray cycles;
    // Like the live-data table: every PID once per cycle, the cycles back to back.
    for (int cycle = 0; !options.count || cycle < *options.count; ++cycle) {
        if (session.stopRequested())
            break;
        const QString time = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz"));
        QStringList row{time};
        for (int number : pids)
            row << session.context().mode01->GetPIDValue(
                session.context().link, QStringLiteral("01"), catalogueEntry(number).pidCode,
                session.english());
        io.line(row.join(QLatin1Char('\t')));
        cycles.append(
            QJsonObject{{QStringLiteral("time"), time},
                        {QStringLiteral("values"), QJsonArray::fromStringList(row.mid(1))}});
    }
    io.doc[QStringLiteral("pids")] = columns;
    io.doc[QStringLiteral("cycles")] = cycles;
    return cli_exit::Success;
}

int dtc(CliSession& session, const CliOptions& options, CliIo& io) {
    requireFaultCodes(session, io);
    const QString maker = chosenMaker(session, options);
    io.line(const_str::CliStoredDtcs + QLatin1Char(':'));
    io.doc[QStringLiteral("stored")] =
        describedCodes(session, session.view().storedCodes, maker, const_str::NoStoredCodes, io);
    io.line(const_str::CliPendingDtcs + QLatin1Char(':'));
    io.doc[QStringLiteral("pending")] =
        describedCodes(session, session.view().pendingCodes, maker, const_str::NoStoredCodes, io);
    io.doc[QStringLiteral("maker")] = maker;
    return cli_exit::Success;
}

int clear(CliSession& session, CliIo& io) {
    CliNotifier& notifier = session.notifier();
    notifier.messages.clear();
    const bool cleared = ClearTroubleCodes(session.context().link, notifier);
    for (const QString& message : notifier.messages)
        io.line(message);
    io.doc[QStringLiteral("cleared")] = cleared;
    io.doc[QStringLiteral("message")] = notifier.messages.join(QLatin1Char('\n'));
    return cleared ? cli_exit::Success : cli_exit::NoAnswer;
}

int freeze(CliSession& session, const CliOptions& options, CliIo& io) {
    requireFaultCodes(session, io);
    const FreezeFrameReading reading = session.view().freezeFrame.value_or(FreezeFrameReading{});
    io.line(const_str::CliFreezeFrames + QLatin1Char(':'));
    io.doc[QStringLiteral("codes")] = describedCodes(
        session, reading.codes, chosenMaker(session, options), const_str::NoFreezeFrame, io);
    QJsonArray rows;
    for (const FreezeFrameRow& row : reading.rows) {
        io.line(row.pid + QStringLiteral("  ") + row.name + QStringLiteral(": ") +
                withUnit(row.value, row.unit));
        rows.append(QJsonObject{{QStringLiteral("pid"), row.pid},
                                {QStringLiteral("name"), row.name},
                                {QStringLiteral("value"), row.value},
                                {QStringLiteral("unit"), row.unit}});
    }
    io.doc[QStringLiteral("values")] = rows;
    return cli_exit::Success;
}

int o2(CliSession& session, const CliOptions& options, CliIo& io) {
    if (options.args.isEmpty()) {
        QJsonArray locations;
        for (const O2SensorLocation& location : session.view().o2Locations) {
            // The sensor number is the place of the location's bit, counted from 1.
            const int sensor = std::countr_zero(unsigned(location.mask)) + 1;
            io.line(QString::number(sensor) + QStringLiteral("  ") + location.text);
            locations.append(QJsonObject{{QStringLiteral("sensor"), sensor},
                                         {QStringLiteral("location"), location.text}});
        }
        io.doc[QStringLiteral("locations")] = locations;
        return cli_exit::Success;
    }
    const int sensor = options.args.first().toInt();
    const auto results =
        session.context().mode05->ReadO2SensorTests(session.context().link, 1 << (sensor - 1));
    const auto catalogue = O2TestCatalogue();
    QJsonArray tests;
    for (int i = 0; i < O2TestCount; ++i) {
        const O2TestInfo& info = catalogue[std::size_t(i)];
        const O2TestResult& result = results[std::size_t(i)];
        io.line(QStringList{info.testId, result.status, result.value, result.minimum,
                            result.maximum, info.unit, info.description}
                    .join(QLatin1Char('\t')));
        tests.append(QJsonObject{{QStringLiteral("test"), info.testId},
                                 {QStringLiteral("description"), info.description},
                                 {QStringLiteral("answered"), result.status == QLatin1String("1")},
                                 {QStringLiteral("value"), result.value},
                                 {QStringLiteral("minimum"), result.minimum},
                                 {QStringLiteral("maximum"), result.maximum},
                                 {QStringLiteral("unit"), info.unit}});
    }
    io.doc[QStringLiteral("sensor")] = sensor;
    io.doc[QStringLiteral("tests")] = tests;
    return cli_exit::Success;
}

int raw(CliSession& session, const CliOptions& options, CliIo& io) {
    const QString request = options.args.first().trimmed();
    // The interface's own characters: an escape sequence is shown, never sent to the terminal.
    const QString answer = visibleText(session.context().link.Exchange(request));
    io.line(answer);
    io.doc[QStringLiteral("command")] = request;
    io.doc[QStringLiteral("answer")] = answer;
    return answer == const_str::Error ? cli_exit::NoAnswer : cli_exit::Success;
}

} // namespace cli_vehicle
