#include "core/connection/program_context.h"
#include "core/connection/shown_results.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/control_units.h"
#include "core/j1979/extended_pids.h"
#include "core/j1979/grouped_pid_request.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/pid_request.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/trouble_codes.h"
#include "core/j1979/vehicle_units.h"
#include "core/l10n/const_str.h"
#include "core/link/visible_text.h"
#include "core/livedata/data_log.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_session.h"
#include "tools/cli/cli_values.h"

#include <QDateTime>
#include <QJsonArray>
#include <algorithm>
#include <bit>
#include <span>

namespace {

QString yesNo(bool value) {
    return value ? const_str::Yes : const_str::No;
}

QString withUnit(const QString& value, const QString& unit) {
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

// The described codes, each with its unit ("unit": the address, null where the units were not
// told apart; "unitName": as the page names it), or null (with the page's text for it) for a list
// that was not read.
QJsonValue describedCodes(CliSession& session, const UnitCodeList& codes, const QString& maker,
                          const QString& emptyText, const QString& notReadText, CliIo& io) {
    if (!codes) {
        io.line(notReadText);
        return QJsonValue(QJsonValue::Null);
    }
    const ProgramContext& context = session.context();
    QJsonArray array;
    if (codes->isEmpty())
        io.line(QStringLiteral("P0000  ") + emptyText);
    for (const UnitCode& code : *codes) {
        const auto description = context.faultCodeTable.findDescription(
            code.code, manufacturerForCode(code.code, maker));
        const QString unitName = control_units::displayName(code.unit, context.unitNames);
        io.line(code.code + QStringLiteral("  ") + description.value_or(QString()) +
                (unitName.isEmpty() ? QString() : QStringLiteral("  (") + unitName + u')'));
        const auto orNull = [](const QString& text) {
            return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
        };
        array.append(
            QJsonObject{{QStringLiteral("code"), code.code},
                        {QStringLiteral("description"),
                         description ? QJsonValue(*description) : QJsonValue(QJsonValue::Null)},
                        {QStringLiteral("unit"), orNull(code.unit)},
                        {QStringLiteral("unitName"), orNull(unitName)}});
    }
    return array;
}

// The permanent codes: "state" read, notRead or notSupported, and "codes" as describedCodes
// gives them (empty unless read).
QJsonObject permanentCodes(CliSession& session, const std::optional<PermanentCodes>& read,
                           const QString& maker, CliIo& io) {
    using State = PermanentCodes::State;
    const PermanentCodes codes = read.value_or(PermanentCodes{});
    QJsonValue list = QJsonArray();
    QString state = QStringLiteral("read");
    if (codes.state == State::Read)
        list = describedCodes(session, codes.codes, maker, const_str::NoPermanentCodes, {}, io);
    else if (codes.state == State::NotSupported) {
        io.line(const_str::PermanentCodesNotSupported);
        state = QStringLiteral("notSupported");
    } else {
        io.line(const_str::PermanentCodesNotRead);
        state = QStringLiteral("notRead");
    }
    return {{QStringLiteral("state"), state}, {QStringLiteral("codes"), list}};
}

QList<int> pidsOf(const CliOptions& options) {
    QList<int> pids;
    for (const QString& text : options.args)
        pids << parseCataloguePid(text);
    return pids;
}

// Why a supported set keeps a request from being sent.
QString notAskedReason(const SupportedPidSet& set, const QString& what) {
    // An empty set is one that could not be read: a vehicle that answers supports something.
    bool setRead = false;
    for (std::size_t n = 0; n < set.size(); ++n)
        setRead = setRead || set[n];
    const QString reason = setRead ? QStringLiteral("not in the vehicle's supported %1")
                                   : QStringLiteral("the vehicle's supported %1 could not be read");
    return reason.arg(what) + QStringLiteral(" (--force asks anyway)");
}

void requireFaultCodes(CliSession& session, CliIo& io) {
    if (!session.loadFaultCodes())
        for (const QString& message : session.notifier().messages)
            io.error(message);
}

// Where several control units answered, each one's lamp and readiness below the vehicle's.
void unitStatus(CliSession& session, CliIo& io) {
    const ProgramContext& context = session.context();
    if (context.vehicleUnits.size() < 2)
        return;
    QJsonArray units;
    for (const VehicleUnit& unit : context.vehicleUnits) {
        const std::optional<ReadinessCount> ready = readinessCount(unit.status);
        const QString name = control_units::displayName(unit.address, context.unitNames);
        io.line(name + QStringLiteral(": ") +
                (ready ? QStringLiteral("MIL %1, %2")
                             .arg(unit.status.milOn ? const_str::CliOn : const_str::CliOff,
                                  readinessSummary(unit.status))
                       : const_str::NotAvailable));
        units.append(QJsonObject{
            {QStringLiteral("address"), unit.address},
            {QStringLiteral("name"), name},
            {QStringLiteral("mil"), ready ? QJsonValue(unit.status.milOn) : QJsonValue()},
            {QStringLiteral("monitorsSupported"),
             ready ? QJsonValue(ready->supported) : QJsonValue()},
            {QStringLiteral("monitorsComplete"),
             ready ? QJsonValue(ready->complete) : QJsonValue()},
        });
    }
    io.doc[QStringLiteral("units")] = units;
}

} // namespace

QString chosenMaker(CliSession& session, const CliOptions& options) {
    if (!options.maker.isEmpty())
        return options.maker;
    const QStringList& makers = session.context().faultCodeTable.manufacturers();
    return makers.isEmpty() ? kGenericManufacturer : makers.first();
}

int parseCataloguePid(const QString& text) {
    bool ok = false;
    const int pid = text.trimmed().toInt(&ok, 16);
    // 20, 40, ... only announce further PIDs; they carry no value. Above 4E, the PIDs the
    // program can decode.
    if (!ok || text.trimmed().size() > 2 || pid < 1 || pid > LastCataloguePid ||
        !pid_decoder::isRequested(pid) ||
        (pid > CataloguePidCount && extended_pids::describe(pid) == nullptr))
        throw CliUsageError(
            QStringLiteral("unknown PID %1 (service 01 PIDs are 01..C4)").arg(text));
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
    } else if (command == QLatin1String("monitors")) {
        validateMonitors(options);
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
        io.line(CliConnectionView::prefix(line) + line.text);
        stages.append(
            QJsonObject{{QStringLiteral("text"), line.text}, {QStringLiteral("ok"), line.ok()}});
    }
    io.doc[QStringLiteral("connected")] = true;
    io.doc[QStringLiteral("port")] = session.view().comLabel;
    io.doc[QStringLiteral("interface")] = session.chipVersion();
    io.doc[QStringLiteral("stages")] = stages;
    // Connected, but a step that failed left its page without what the vehicle holds.
    return session.view().anyFailed() ? cli_exit::NoAnswer : cli_exit::Success;
}

int status(CliSession& session, CliIo& io) {
    const Service01& service01 = *session.context().service01;
    const MonitorStatus& status = service01.monitorStatus();
    // An unanswered status prints as not read, never as a car with the lamp off and no codes.
    const bool read = status.answered;
    UnreadValues unread;
    if (!read)
        unread.add(io, QStringLiteral("monitor status"), QStringLiteral("no valid answer to 0101"));
    const bool obdTypeRead = service01.obdType().has_value();
    if (!obdTypeRead)
        unread.add(io, QStringLiteral("OBD type"), QStringLiteral("no valid answer to 011C"));

    io.line(const_str::CliMilStatus + QLatin1Char(' ') +
            (!read          ? const_str::NotAvailable
             : status.milOn ? const_str::CliOn
                            : const_str::CliOff));
    io.line(const_str::CliStoredDtcs + QStringLiteral(": ") +
            (read ? QString::number(status.troubleCodeCount) : const_str::NotAvailable));
    io.line(const_str::CliObdType + QStringLiteral(": ") +
            service01.obdType().value_or(const_str::Error));

    const QList<EvaluatedMonitor> further = furtherSupportedMonitors(status);
    int width = 0;
    for (const EvaluatedMonitor& m : evaluatedMonitors)
        width = std::max(width, int(monitorCaption(m.monitor).size()));
    for (const EvaluatedMonitor& m : further)
        width = std::max(width, int(monitorCaption(m.monitor).size()));
    const int column = int(std::max({const_str::CliSupported.size(), const_str::CliCompleted.size(),
                                     const_str::Yes.size(), const_str::No.size(),
                                     const_str::NotAvailable.size()})) +
                       2;
    // The drive cycle's column only where the vehicle answered PID 41.
    const bool cycle = read && status.driveCycleAnswered;
    io.line(QString(width + 2, QLatin1Char(' ')) + const_str::CliSupported.leftJustified(column) +
            (cycle ? const_str::CliCompleted.leftJustified(column) + const_str::ThisDriveCycle
                   : const_str::CliCompleted));
    auto flagText = [read](bool flag) { return read ? yesNo(flag) : const_str::NotAvailable; };
    QJsonObject monitorJson;
    QJsonObject furtherJson;
    auto printLine = [&](const EvaluatedMonitor& m) {
        const QString& label = monitorCaption(m.monitor);
        const MonitorReadiness flags = readiness(status, m);
        // The page's rule: an unsupported monitor is "No" in both columns.
        const bool completed = flags.supported && flags.completed;
        const bool cycleCompleted = cycle && readiness(status.driveCycle, m).completed;
        io.line(label.leftJustified(width + 2) + flagText(flags.supported).leftJustified(column) +
                (cycle ? flagText(completed).leftJustified(column) + flagText(cycleCompleted)
                       : flagText(completed)));
        QJsonObject json{{QStringLiteral("supported"), flags.supported},
                         {QStringLiteral("completed"), completed}};
        if (cycle)
            json[QStringLiteral("completedThisDriveCycle")] = cycleCompleted;
        return json;
    };
    for (const EvaluatedMonitor& m : evaluatedMonitors)
        monitorJson[monitorKey(m.monitor)] = printLine(m);
    // The seven stay where scripts expect them; the ignition type heads the monitors it adds.
    if (read)
        io.line(const_str::IgnitionCaption + QLatin1Char(' ') + ignitionText(status.ignition));
    for (const EvaluatedMonitor& m : further)
        furtherJson[monitorKey(m.monitor)] = printLine(m);
    const QJsonValue null(QJsonValue::Null);
    io.doc[QStringLiteral("mil")] = read ? QJsonValue(status.milOn) : null;
    io.doc[QStringLiteral("storedCodeCount")] = read ? QJsonValue(status.troubleCodeCount) : null;
    io.doc[QStringLiteral("obdType")] = obdTypeRead ? QJsonValue(*service01.obdType()) : null;
    io.doc[QStringLiteral("monitors")] = read ? QJsonValue(monitorJson) : null;
    io.doc[QStringLiteral("ignition")] =
        read ? QJsonValue(status.ignition == Ignition::Compression ? QStringLiteral("compression")
                                                                   : QStringLiteral("spark"))
             : null;
    io.doc[QStringLiteral("furtherMonitors")] = read ? QJsonValue(furtherJson) : null;
    unitStatus(session, io);
    return unread.finish(io.doc);
}

int vin(CliSession& session, const CliOptions& options, CliIo& io) {
    Service09& info = *session.context().service09;
    // The connection read what the supported set lists; asked to, read everything once more.
    if (options.force)
        info.readVehicleInfo(session.context().link, true);
    UnreadValues unread;
    auto check = [&](Service09::ItemState state, const QString& what, const char* request) {
        if (state == Service09::ItemState::Read)
            return true;
        unread.add(io, what,
                   state == Service09::ItemState::NotAsked
                       ? notAskedReason(info.supportedPids(), QStringLiteral("information types"))
                       : QStringLiteral("no valid answer to %1").arg(QLatin1String(request)));
        return false;
    };
    const bool vinRead = check(info.vinState(), QStringLiteral("VIN"), "0902");
    const bool cidsRead =
        check(info.calibrationIdState(), QStringLiteral("calibration IDs"), "0904");
    const bool cvnsRead = check(info.cvnState(), QStringLiteral("CVNs"), "0906");
    const QStringList notRead{const_str::NotAvailable};
    io.line(const_str::CliVin + QStringLiteral(": ") +
            (vinRead ? info.vin() : const_str::NotAvailable));
    for (const QString& id : cidsRead ? info.calibrationIds() : notRead)
        io.line(const_str::CliCid + QStringLiteral(": ") + id);
    for (const QString& cvn : cvnsRead ? info.calibrationVerificationNumbers() : notRead)
        io.line(const_str::CliCvn + QStringLiteral(": ") + cvn);
    const QJsonValue null(QJsonValue::Null);
    io.doc[QStringLiteral("vin")] = vinRead ? QJsonValue(info.vin()) : null;
    io.doc[QStringLiteral("calibrationIds")] =
        cidsRead ? QJsonValue(QJsonArray::fromStringList(info.calibrationIds())) : null;
    io.doc[QStringLiteral("cvns")] =
        cvnsRead ? QJsonValue(QJsonArray::fromStringList(info.calibrationVerificationNumbers()))
                 : null;
    return unread.finish(io.doc);
}

QJsonObject valueJson(const PidInfo& entry, const CliValue& value, const QString& unit) {
    QJsonObject json{{QStringLiteral("name"), entry.name},
                     {QStringLiteral("value"), value.json()},
                     {QStringLiteral("unit"), unit}};
    if (!value.read())
        json[QStringLiteral("error")] = value.error;
    return json;
}

int pid(CliSession& session, const CliOptions& options, CliIo& io) {
    const SupportedPidSet& supported = session.context().service01->supportedPids();
    const PidCatalogue& catalogue = session.context().pidCatalogue;
    UnreadValues unread;
    QJsonArray values;
    for (int number : pidsOf(options)) {
        const std::span<const PidInfo> entries = catalogue.valuesOf(number);
        const PidInfo& first = entries.front();
        QList<CliValue> read;
        if (options.force || isSupported(supported, first.pidCode))
            read = readLiveValues(session, number);
        else
            read = QList<CliValue>(
                qsizetype(entries.size()),
                {const_str::NotAvailable, notAskedReason(supported, QStringLiteral("PIDs"))});
        QJsonArray subValues;
        for (const PidInfo& entry : entries) {
            const CliValue& value = read.at(entry.subValue);
            // One of several values the answer marks as not there gets no line.
            if (entries.size() > 1 && value.read() && entry.markedAbsentBy(value.text))
                continue;
            const QString unit = entry.valueUnit(session.english());
            // A value that did not come has no unit: "Error U/min" would read like a reading.
            io.line(entry.pidCode + QStringLiteral("  ") + entry.name + QStringLiteral(": ") +
                    (value.read() ? withUnit(value.text, unit) : value.text));
            subValues.append(valueJson(entry, value, unit));
            if (!value.read())
                unread.add(io, entry.code(), value.error);
        }
        // One value keeps the flat form of a PID object; several go into a list of their own.
        QJsonObject json{{QStringLiteral("pid"), first.pidCode}};
        if (entries.size() == 1) {
            const QJsonObject only = subValues.first().toObject();
            for (auto field = only.constBegin(); field != only.constEnd(); ++field)
                json.insert(field.key(), field.value());
        } else {
            json[QStringLiteral("values")] = subValues;
        }
        values.append(json);
    }
    io.doc[QStringLiteral("values")] = values;
    return unread.isEmpty() ? cli_exit::Success : cli_exit::NoAnswer;
}

int watch(CliSession& session, const CliOptions& options, CliIo& io) {
    const QList<int> pids = pidsOf(options);
    const SupportedPidSet& supported = session.context().service01->supportedPids();
    // A column per value; of a PID with several, those the vehicle said at connection it has
    // (all of them for a PID it did not say it supports, asked for with --force).
    // Column i shows value shown[i] of the PID at position askedFor[i] of the arguments.
    QList<const PidInfo*> shown;
    QList<qsizetype> askedFor;
    for (qsizetype i = 0; i < pids.size(); ++i)
        for (const PidInfo& entry : session.context().pidCatalogue.valuesOf(pids[i]))
            if (entry.presentIn(supported) || !isSupported(supported, entry.pidCode)) {
                shown << &entry;
                askedFor << i;
            }
    QStringList heading{QStringLiteral("Time")};
    QStringList names;
    QJsonArray columns;
    for (const PidInfo* entry : shown) {
        const QString unit = entry->unit(session.english());
        heading << entry->pidCode + QLatin1Char(' ') + entry->name +
                       (unit.isEmpty() ? QString()
                                       : QStringLiteral(" [") + unit + QLatin1Char(']'));
        names << entry->name;
        columns.append(QJsonObject{{QStringLiteral("pid"), entry->pidCode},
                                   {QStringLiteral("name"), entry->name},
                                   {QStringLiteral("unit"), unit}});
    }
    // The program's data-log format, through its writer.
    DataLogWriter csv;
    if (!options.csvFile.isEmpty()) {
        try {
            csv.openFile(options.csvFile, names);
        } catch (const DataLogError& e) {
            io.error(QStringLiteral("quorvane-cli: ") + e.message());
            return cli_exit::WriteFailed;
        }
    }
    // Every cycle goes out as it comes and is forgotten, so a watch of any length runs in the
    // same memory: text lines, or with --json one JSON object per line.
    io.streamed = true;
    if (io.json)
        io.jsonLine(QJsonObject{{QStringLiteral("pids"), columns}});
    else
        io.line(heading.join(QLatin1Char('\t')));

    // Only PIDs the vehicle said it has share a request: one it lacks would leave the answer short.
    QList<int> groupable;
    for (int number : pids)
        if (isSupported(supported, session.context().pidCatalogue.pid(number).pidCode))
            groupable << number;

    bool anyUnread = false;
    // Like the live-data table: every PID once per cycle, the cycles back to back.
    for (int cycle = 0; !options.count || cycle < *options.count; ++cycle) {
        if (session.stopRequested())
            break;
        const QDateTime now = QDateTime::currentDateTime();
        // Several PIDs a request where the link takes them; the rest one by one.
        QHash<int, QList<PidValue>> asked;
        if (session.context().link.pidsPerRequest() > 1)
            asked = grouped_pid_request::read(session.context().link, groupable, session.english());
        QList<CliValue> read;
        for (qsizetype i = 0; i < pids.size(); ++i) {
            const QList<CliValue> values = readLiveValues(session, pids[i], asked);
            for (qsizetype column = 0; column < shown.size(); ++column)
                if (askedFor[column] == i)
                    read << values.at(shown[column]->subValue);
        }
        // A cycle cut short by the interrupt is not shown, as the window skips it too.
        if (session.stopRequested())
            break;
        QStringList texts;
        QJsonArray values;
        UnreadValues cycleUnread;
        for (qsizetype i = 0; i < read.size(); ++i) {
            texts << read[i].text;
            values.append(read[i].json());
            if (!read[i].read())
                cycleUnread.add(io, shown[i]->code(), read[i].error);
        }
        const QString time = now.toString(QStringLiteral("HH:mm:ss.zzz"));
        QJsonObject json{{QStringLiteral("time"), time}, {QStringLiteral("values"), values}};
        if (cycleUnread.finish(json) != cli_exit::Success)
            anyUnread = true;
        if (io.json)
            io.jsonLine(json);
        else
            io.line(time + QLatin1Char('\t') + texts.join(QLatin1Char('\t')));
        if (csv.isOpen()) {
            // A full disk ends the watch: the file keeps every whole record before it.
            try {
                csv.writeRecord(now.time(), texts);
            } catch (const DataLogError& e) {
                io.error(QStringLiteral("quorvane-cli: ") + e.message());
                return cli_exit::WriteFailed;
            }
        }
    }
    return anyUnread ? cli_exit::NoAnswer : cli_exit::Success;
}

int dtc(CliSession& session, const CliOptions& options, CliIo& io) {
    requireFaultCodes(session, io);
    const QString maker = chosenMaker(session, options);
    const CliConnectionView& view = session.view();
    UnreadValues unread;
    io.line(const_str::CliStoredDtcs + QLatin1Char(':'));
    io.doc[QStringLiteral("stored")] =
        describedCodes(session, view.storedCodes, maker, const_str::NoStoredCodes,
                       const_str::TroubleCodesNotRead, io);
    if (!view.storedCodes)
        unread.add(io, QStringLiteral("stored codes"), QStringLiteral("no valid answer to 03"));
    io.line(const_str::CliPendingDtcs + QLatin1Char(':'));
    io.doc[QStringLiteral("pending")] =
        describedCodes(session, view.pendingCodes, maker, const_str::NoStoredCodes,
                       const_str::TroubleCodesNotRead, io);
    if (!view.pendingCodes)
        unread.add(io, QStringLiteral("pending codes"), QStringLiteral("no valid answer to 07"));
    io.line(const_str::CliPermanentDtcs + QLatin1Char(':'));
    const QJsonObject permanent = permanentCodes(session, view.permanentCodes, maker, io);
    io.doc[QStringLiteral("permanent")] = permanent;
    if (permanent.value(QStringLiteral("state")) == QLatin1String("notRead"))
        unread.add(io, QStringLiteral("permanent codes"), QStringLiteral("no valid answer to 0A"));
    io.doc[QStringLiteral("maker")] = maker;
    return unread.finish(io.doc);
}

int clear(CliSession& session, CliIo& io) {
    CliNotifier& notifier = session.notifier();
    notifier.messages.clear();
    const bool cleared = clearTroubleCodes(session.context().link, notifier);
    for (const QString& message : notifier.messages)
        io.line(message);
    io.doc[QStringLiteral("cleared")] = cleared;
    io.doc[QStringLiteral("message")] = notifier.messages.join(QLatin1Char('\n'));
    return cleared ? cli_exit::Success : cli_exit::NoAnswer;
}

int freeze(CliSession& session, const CliOptions& options, CliIo& io) {
    requireFaultCodes(session, io);
    const FreezeFrameReading reading = session.view().freezeFrame.value_or(FreezeFrameReading{});
    UnreadValues unread;
    io.line(const_str::CliFreezeFrames + QLatin1Char(':'));
    io.doc[QStringLiteral("codes")] =
        describedCodes(session, withoutUnits(reading.codes), chosenMaker(session, options),
                       const_str::NoFreezeFrame, const_str::FreezeFrameNotRead, io);
    if (!reading.codes)
        unread.add(io, QStringLiteral("freeze-frame code"),
                   QStringLiteral("no valid answer to 020200"));
    QJsonArray rows;
    for (const FreezeFrameRow& row : reading.rows) {
        const bool read = row.value.has_value();
        io.line(row.pid + QStringLiteral("  ") + row.name + QStringLiteral(": ") +
                (read ? withUnit(*row.value, row.unit) : const_str::Error));
        QJsonObject json{
            {QStringLiteral("pid"), row.pid},
            {QStringLiteral("name"), row.name},
            {QStringLiteral("value"), read ? QJsonValue(*row.value) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("unit"), row.unit}};
        if (!read) {
            const QString reason =
                QStringLiteral("no valid answer to 02%1").arg(row.pid) + QStringLiteral("00");
            json[QStringLiteral("error")] = reason;
            unread.add(io, QStringLiteral("freeze-frame ") + row.pid, reason);
        }
        rows.append(json);
    }
    io.doc[QStringLiteral("values")] = rows;
    return unread.finish(io.doc);
}

int o2(CliSession& session, const CliOptions& options, CliIo& io) {
    UnreadValues unread;
    if (options.args.isEmpty()) {
        const O2SensorList& found = session.view().o2Locations;
        if (!found) {
            unread.add(io, QStringLiteral("oxygen-sensor locations"),
                       QStringLiteral("no valid answer to 0113"));
            io.doc[QStringLiteral("locations")] = QJsonValue(QJsonValue::Null);
            return unread.finish(io.doc);
        }
        QJsonArray locations;
        for (const O2SensorLocation& location : *found) {
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
    io.doc[QStringLiteral("sensor")] = sensor;
    AnswerRecorder link(session.context().link);
    if (reportsO2TestsThroughService06(link)) {
        unread.add(io, QStringLiteral("oxygen-sensor tests"), const_str::O2TestsThroughService06);
        io.doc[QStringLiteral("tests")] = QJsonValue(QJsonValue::Null);
        return unread.finish(io.doc);
    }
    const auto results = session.context().service05->readO2SensorTests(link, 1 << (sensor - 1));
    const auto catalogue = O2TestCatalogue();
    const QString sensorDigits = QStringLiteral("%1").arg(sensor, 2, 10, QLatin1Char('0'));
    QJsonArray tests;
    for (int i = 0; i < O2TestCount; ++i) {
        const O2TestInfo& info = catalogue[std::size_t(i)];
        const O2TestResult& result = results[std::size_t(i)];
        const bool answered = result.status == QLatin1String("1");
        io.line(QStringList{info.testId, result.status,
                            answered ? result.value : const_str::NotAvailable, result.minimum,
                            result.maximum, info.unit, info.description}
                    .join(QLatin1Char('\t')));
        QJsonObject json{{QStringLiteral("test"), info.testId},
                         {QStringLiteral("description"), info.description},
                         {QStringLiteral("answered"), answered},
                         {QStringLiteral("value"),
                          answered ? QJsonValue(result.value) : QJsonValue(QJsonValue::Null)},
                         {QStringLiteral("minimum"), result.minimum},
                         {QStringLiteral("maximum"), result.maximum},
                         {QStringLiteral("unit"), info.unit}};
        if (!answered) {
            const QString request = QStringLiteral("05") + info.testId.mid(1) + sensorDigits;
            json[QStringLiteral("error")] = link.whyNotRead(request);
            unread.add(io, QStringLiteral("test ") + info.testId, link.whyNotRead(request));
        }
        tests.append(json);
    }
    io.doc[QStringLiteral("tests")] = tests;
    return unread.finish(io.doc);
}

int raw(CliSession& session, const CliOptions& options, CliIo& io) {
    const QString request = options.args.first().trimmed();
    // The interface's own characters: an escape sequence is shown, never sent to the terminal.
    // Sent as typed, and each line of the answer printed as the interface sent it.
    const LinkAnswer reply = session.context().link.exchangeAsTyped(request);
    const QStringList lines = reply.value_or(const_str::Error).split(QLatin1Char('\n'));
    QJsonArray shown;
    for (const QString& line : lines) {
        io.line(visibleText(line));
        shown.append(visibleText(line));
    }
    io.doc[QStringLiteral("command")] = request;
    io.doc[QStringLiteral("answer")] = shown;
    return reply ? cli_exit::Success : cli_exit::NoAnswer;
}

} // namespace cli_vehicle
