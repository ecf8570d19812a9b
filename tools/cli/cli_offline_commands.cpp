#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/negative_response.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service01.h"
#include "core/j1979/service02.h"
#include "core/l10n/const_str.h"
#include "core/link/answer_text.h"
#include "core/link/com_port.h"
#include "core/link/command_link.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_session.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace {

// Hands the readers the answer from the command line as if the interface had sent it, so an
// offline decode goes through exactly the code a live value does.
class FixedAnswerLink : public CommandLink {
public:
    explicit FixedAnswerLink(QString answer) : m_answer(std::move(answer)) {}
    LinkAnswer exchange(const QString&) override { return m_answer; }

private:
    QString m_answer;
};

bool loadTable(CliSession& session, CliIo& io) {
    if (session.loadFaultCodes())
        return true;
    for (const QString& message : session.notifier().messages)
        io.error(message);
    io.error(QStringLiteral("no fault-code table for the language %1").arg(session.language()));
    return false;
}

} // namespace

namespace cli_offline {

int ports(CliIo& io) {
    const QStringList names = serialPortNames();
    for (const QString& name : names)
        io.line(name);
    io.doc[QStringLiteral("ports")] = QJsonArray::fromStringList(names);
    return cli_exit::Success;
}

int decode(CliSession& session, const CliOptions& options, CliIo& io) {
    bool ok = false;
    const int service = options.args.at(0).toInt(&ok, 16);
    if (ok && service == 6 && options.args.at(0).size() <= 2)
        return decodeMonitor(options, io);
    if (!ok || (service != 1 && service != 2) || options.args.at(0).size() > 2)
        throw CliUsageError(
            QStringLiteral("decode knows services 01, 02 and 06, not %1").arg(options.args.at(0)));
    const int pid = parseCataloguePid(options.args.at(1));
    const QString given = options.args.at(2).trimmed();
    const QString answer = answer_text::fromSimulation(options.args.at(2)).toUpper();
    // A refusal is an answer too, only not one with a value: it is named, not called garbage.
    if (const auto refusal = negative_response::parse(answer))
        throw CliUsageError(
            QStringLiteral("%1 is a %2").arg(given, negative_response::describe(*refusal)));
    static const QRegularExpression hexOnly(QStringLiteral("^[0-9A-Fa-f]+$"));
    if (!hexOnly.match(answer).hasMatch())
        throw CliUsageError(QStringLiteral("not a hexadecimal answer: %1").arg(given));

    const PidInfo& entry = session.context().pidCatalogue.pid(pid);
    const QString serviceText = service == 1 ? QStringLiteral("01") : QStringLiteral("02");
    // Data stand behind the response code and PID, in service 02 behind the frame number too.
    const qsizetype dataStart = service == 1 ? 4 : 6;
    const int needed = pid_decoder::dataByteCount(pid);
    const qsizetype present = std::max<qsizetype>(answer.size() - dataStart, 0) / 2;
    if (answer.contains(QLatin1Char('4') + serviceText.mid(1) + entry.pidCode) && present < needed)
        throw CliUsageError(QStringLiteral("%1 holds %2 of the %3 data bytes of PID %4")
                                .arg(given)
                                .arg(present)
                                .arg(needed)
                                .arg(entry.pidCode));
    FixedAnswerLink link(answer);
    const QList<PidValue> decoded =
        service == 1 ? Service01().pidValues(link, serviceText, entry.pidCode, session.english())
                     : Service02().freezeFrameValues(link, entry.pidCode, session.english(),
                                                     QStringLiteral("00"));
    if (!decoded.value(0))
        throw CliUsageError(QStringLiteral("%1 is no answer to service %2 PID %3")
                                .arg(given, serviceText, entry.pidCode));
    io.doc[QStringLiteral("service")] = serviceText;
    io.doc[QStringLiteral("pid")] = entry.pidCode;
    const std::span<const PidInfo> entries = session.context().pidCatalogue.valuesOf(pid);
    QJsonArray values;
    for (const PidInfo& sub : entries) {
        const QString value = decoded.value(sub.subValue).value_or(const_str::Error);
        // A value the answer's byte A says the vehicle does not have is left out of several.
        if (entries.size() > 1 && sub.markedAbsentBy(value))
            continue;
        const QString unit = sub.valueUnit(session.english());
        const QString text = unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
        // One value is printed alone, as always; several each behind their name.
        io.line(entries.size() == 1 ? text : sub.name + QStringLiteral(": ") + text);
        values.append(QJsonObject{{QStringLiteral("name"), sub.name},
                                  {QStringLiteral("value"), value},
                                  {QStringLiteral("unit"), unit}});
    }
    if (entries.size() == 1) {
        io.doc[QStringLiteral("name")] = entry.name;
        io.doc[QStringLiteral("value")] = values.first()[QStringLiteral("value")];
        io.doc[QStringLiteral("unit")] = values.first()[QStringLiteral("unit")];
    } else {
        io.doc[QStringLiteral("values")] = values;
    }
    return cli_exit::Success;
}

int lookup(CliSession& session, const CliOptions& options, CliIo& io) {
    const QString code = options.args.first().trimmed().toUpper();
    static const QRegularExpression codeForm(QStringLiteral("^[PCBU][0-3][0-9A-F]{3}$"));
    if (!codeForm.match(code).hasMatch())
        throw CliUsageError(
            QStringLiteral("%1 is no trouble code (like P0125)").arg(options.args.first()));
    if (!loadTable(session, io))
        return cli_exit::NoAnswer;
    const FaultCodeTable& table = session.context().faultCodeTable;
    QString maker = options.maker.trimmed();
    if (maker.isEmpty())
        maker =
            table.manufacturers().isEmpty() ? kGenericManufacturer : table.manufacturers().first();
    else if (!table.manufacturers().contains(maker))
        throw CliUsageError(QStringLiteral("unknown maker %1 (see: makers)").arg(maker));

    const QString usedMaker = manufacturerForCode(code, maker);
    const auto description = table.findDescription(code, usedMaker);
    io.line(code + QStringLiteral("  ") + usedMaker + QStringLiteral("  ") +
            description.value_or(const_str::CliNoDefinition));
    io.doc[QStringLiteral("code")] = code;
    io.doc[QStringLiteral("maker")] = usedMaker;
    io.doc[QStringLiteral("description")] =
        description ? QJsonValue(*description) : QJsonValue(QJsonValue::Null);
    return cli_exit::Success;
}

int makers(CliSession& session, CliIo& io) {
    if (!loadTable(session, io))
        return cli_exit::NoAnswer;
    const QStringList& names = session.context().faultCodeTable.manufacturers();
    for (const QString& name : names)
        io.line(name);
    io.doc[QStringLiteral("makers")] = QJsonArray::fromStringList(names);
    return cli_exit::Success;
}

} // namespace cli_offline
