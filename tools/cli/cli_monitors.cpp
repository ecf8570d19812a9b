#include "core/j1979/monitor_names.h"
#include "core/j1979/monitor_reading.h"
#include "core/link/command_link.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_session.h"
#include "tools/cli/cli_values.h"

#include <QJsonArray>

namespace {

QJsonValue number(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString numberText(const std::optional<double>& value) {
    return value ? QString::number(*value, 'g', 10) : QStringLiteral("-");
}

using monitor_names::rowMonitorText;
using monitor_names::rowTestText;
using monitor_names::rowUnitText;

QString stateText(MonitorTestState state) {
    switch (state) {
    case MonitorTestState::Pass:
        return QStringLiteral("PASS");
    case MonitorTestState::Fail:
        return QStringLiteral("FAIL");
    case MonitorTestState::LimitsInverted:
        return QStringLiteral("limits inverted");
    case MonitorTestState::NotRead:
        break;
    }
    return QStringLiteral("not read");
}

// Prints the rows and puts them into the document; returns how many were not read.
int printResults(const QList<MonitorTestResult>& results, CliIo& io) {
    QJsonArray rows;
    int notRead = 0;
    for (const MonitorTestResult& row : results) {
        const QString unit = rowUnitText(row);
        QStringList cells{rowMonitorText(row),     rowTestText(row),        numberText(row.value),
                          numberText(row.minimum), numberText(row.maximum), unit,
                          stateText(row.state)};
        if (!row.unitKey.isEmpty())
            cells.prepend(QStringLiteral("unit ") + row.unitKey);
        io.line(cells.join(QLatin1Char('\t')));
        QJsonValue passed(QJsonValue::Null);
        if (row.state == MonitorTestState::Pass || row.state == MonitorTestState::Fail)
            passed = row.state == MonitorTestState::Pass;
        notRead += row.state == MonitorTestState::NotRead ? 1 : 0;
        const auto id = [](int value) {
            return value >= 0 ? QJsonValue(monitor_names::idText(value))
                              : QJsonValue(QJsonValue::Null);
        };
        rows.append(QJsonObject{{QStringLiteral("unit_key"), row.unitKey},
                                {QStringLiteral("monitor"), rowMonitorText(row)},
                                {QStringLiteral("mid"), id(row.mid)},
                                {QStringLiteral("test"), rowTestText(row)},
                                {QStringLiteral("tid"), id(row.tid)},
                                {QStringLiteral("component"), id(row.componentId)},
                                {QStringLiteral("value"), number(row.value)},
                                {QStringLiteral("min"), number(row.minimum)},
                                {QStringLiteral("max"), number(row.maximum)},
                                {QStringLiteral("unit"), unit},
                                {QStringLiteral("passed"), passed}});
    }
    io.doc[QStringLiteral("monitors")] = rows;
    return notRead;
}

int parseId(const QString& text, const QString& what) {
    bool ok = false;
    const int id = text.trimmed().toInt(&ok, 16);
    if (!ok || text.trimmed().size() > 2 || id < 1 || id > 0xFF || id % 0x20 == 0)
        throw CliUsageError(
            QStringLiteral("%1 %2: give a hexadecimal ID 01..FF that is no block ID (20, 40, ..)")
                .arg(what, text));
    return id;
}

} // namespace

namespace cli_vehicle {

void validateMonitors(const CliOptions& options) {
    for (const QString& arg : options.args)
        parseId(arg, QStringLiteral("monitor"));
}

int monitors(CliSession& session, const CliOptions& options, CliIo& io) {
    QList<int> ids;
    for (const QString& arg : options.args)
        ids << parseId(arg, QStringLiteral("monitor"));
    const MonitorReading reading = readMonitorTests(session.context().link, ids);
    const int notRead = printResults(reading.results, io);
    if (reading.complete)
        return cli_exit::Success;
    UnreadValues unread;
    unread.add(io, QStringLiteral("monitoring tests"),
               reading.results.isEmpty()
                   ? QStringLiteral("no answer to the supported-monitor request 0600")
                   : QStringLiteral("%1 result(s) not read").arg(notRead));
    return unread.finish(io.doc);
}

} // namespace cli_vehicle

namespace cli_offline {

int decodeMonitor(const CliOptions& options, CliIo& io) {
    const int mid = parseId(options.args.at(1), QStringLiteral("monitor"));
    QString answer = options.args.at(2).toUpper();
    answer.remove(QLatin1Char(' '));
    const QList<QByteArray> messages = monitorAnswerMessages(answer, mid, true);
    QList<MonitorTestResult> results;
    for (const QByteArray& message : messages)
        results += parseCanMonitorAnswer(QString(), message);
    results.removeIf([mid](const MonitorTestResult& row) { return row.mid != mid; });
    if (results.isEmpty())
        throw CliUsageError(QStringLiteral("%1 is no answer to service 06 monitor %2")
                                .arg(options.args.at(2).trimmed(), monitor_names::idText(mid)));
    io.doc[QStringLiteral("service")] = QStringLiteral("06");
    return printResults(results, io) == 0 ? cli_exit::Success : cli_exit::NoAnswer;
}

} // namespace cli_offline
