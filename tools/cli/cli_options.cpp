#include "tools/cli/cli_options.h"

#include <QHash>

namespace {

struct CommandRule {
    int minArgs;
    int maxArgs; // -1: any number
};

const QHash<QString, CommandRule>& commandRules() {
    static const QHash<QString, CommandRule> rules{
        {QStringLiteral("ports"), {0, 0}},  {QStringLiteral("connect"), {0, 0}},
        {QStringLiteral("status"), {0, 0}}, {QStringLiteral("vin"), {0, 0}},
        {QStringLiteral("pid"), {1, -1}},   {QStringLiteral("watch"), {1, -1}},
        {QStringLiteral("dtc"), {0, 0}},    {QStringLiteral("clear"), {0, 0}},
        {QStringLiteral("freeze"), {0, 0}}, {QStringLiteral("o2"), {0, 1}},
        {QStringLiteral("raw"), {1, 1}},    {QStringLiteral("decode"), {3, 3}},
        {QStringLiteral("lookup"), {1, 1}}, {QStringLiteral("makers"), {0, 0}},
        {QStringLiteral("report"), {0, 0}}, {QStringLiteral("monitors"), {0, -1}},
    };
    return rules;
}

QString takeValue(const QStringList& arguments, qsizetype& i, const QString& option) {
    if (i + 1 >= arguments.size())
        throw CliUsageError(QStringLiteral("%1 needs a value").arg(option));
    return arguments.at(++i);
}

void requireCommand(const CliOptions& options, const QString& option,
                    std::initializer_list<const char*> commands) {
    for (const char* command : commands)
        if (options.command == QLatin1String(command))
            return;
    throw CliUsageError(
        QStringLiteral("%1 does not apply to the command %2").arg(option, options.command));
}

// The options of the report command that take one text.
QString* reportValue(CliOptions& options, const QString& option) {
    if (option == QLatin1String("--out"))
        return &options.reportOut;
    if (option == QLatin1String("--html"))
        return &options.reportHtml;
    if (option == QLatin1String("--pdf"))
        return &options.reportPdf;
    if (option == QLatin1String("--make"))
        return &options.make;
    if (option == QLatin1String("--model"))
        return &options.model;
    if (option == QLatin1String("--year"))
        return &options.year;
    if (option == QLatin1String("--vin"))
        return &options.vin;
    return nullptr;
}

} // namespace

CliOptions parseCliArguments(const QStringList& arguments) {
    CliOptions options;
    bool countGiven = false, makerGiven = false, portGiven = false, csvGiven = false;
    QStringList positional;
    QStringList reportOptions;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        // Everything after "--" is positional, so an answer or command may begin with dashes.
        if (a == QLatin1String("--")) {
            positional << arguments.mid(i + 1);
            break;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            positional << a;
        } else if (a == QLatin1String("--port")) {
            options.port = takeValue(arguments, i, a);
            portGiven = true;
        } else if (a == QLatin1String("--demo")) {
            options.demo = true;
        } else if (a == QLatin1String("--english")) {
            options.english = true;
        } else if (a == QLatin1String("--lang")) {
            options.language = takeValue(arguments, i, a);
        } else if (a == QLatin1String("--json")) {
            options.json = true;
        } else if (a == QLatin1String("--log")) {
            options.log = true;
        } else if (a == QLatin1String("--count")) {
            bool ok = false;
            const int n = takeValue(arguments, i, a).toInt(&ok);
            if (!ok || n < 1)
                throw CliUsageError(QStringLiteral("--count needs a whole number of at least 1"));
            options.count = n;
            countGiven = true;
        } else if (a == QLatin1String("--csv")) {
            options.csvFile = takeValue(arguments, i, a);
            csvGiven = true;
        } else if (a == QLatin1String("--maker")) {
            options.maker = takeValue(arguments, i, a);
            makerGiven = true;
        } else if (a == QLatin1String("--yes")) {
            options.yes = true;
        } else if (a == QLatin1String("--force")) {
            options.force = true;
        } else if (QString* value = reportValue(options, a)) {
            *value = takeValue(arguments, i, a);
            reportOptions << a;
        } else if (a == QLatin1String("--customer")) {
            options.customer << takeValue(arguments, i, a);
            reportOptions << a;
        } else {
            throw CliUsageError(QStringLiteral("unknown option %1").arg(a));
        }
    }

    if (positional.isEmpty())
        throw CliUsageError(QStringLiteral("no command given"));
    options.command = positional.takeFirst();
    options.args = positional;
    const auto rule = commandRules().constFind(options.command);
    if (rule == commandRules().constEnd())
        throw CliUsageError(QStringLiteral("unknown command %1").arg(options.command));
    if (options.args.size() < rule->minArgs ||
        (rule->maxArgs >= 0 && options.args.size() > rule->maxArgs))
        throw CliUsageError(
            QStringLiteral("wrong number of arguments for %1").arg(options.command));

    if (portGiven && options.demo)
        throw CliUsageError(QStringLiteral("--port and --demo exclude each other"));
    if (portGiven && options.port.trimmed().isEmpty())
        throw CliUsageError(QStringLiteral("--port needs a device path or tcp://HOST:PORT"));
    if (countGiven)
        requireCommand(options, QStringLiteral("--count"), {"watch"});
    if (csvGiven) {
        requireCommand(options, QStringLiteral("--csv"), {"watch"});
        if (options.csvFile.trimmed().isEmpty())
            throw CliUsageError(QStringLiteral("--csv needs a file name"));
    }
    if (makerGiven)
        requireCommand(options, QStringLiteral("--maker"), {"lookup", "dtc", "freeze", "report"});
    for (const QString& option : reportOptions)
        requireCommand(options, option, {"report"});
    if (options.yes)
        requireCommand(options, QStringLiteral("--yes"), {"clear"});
    if (options.force)
        requireCommand(options, QStringLiteral("--force"), {"vin", "pid"});
    return options;
}

bool commandTalksToVehicle(const QString& command) {
    static const QStringList offline{QStringLiteral("ports"), QStringLiteral("decode"),
                                     QStringLiteral("lookup"), QStringLiteral("makers")};
    return !offline.contains(command);
}

QString cliUsageLine() {
    return QStringLiteral(
        "usage: quorvane-cli [--port PATH|tcp://HOST:PORT | --demo] [--english] [--lang CODE] "
        "[--json] [--log] COMMAND [ARGS]");
}

QString cliHelpText() {
    return cliUsageLine() + QStringLiteral(R"(
  ports                      serial device names, as the options page lists them
  connect                    run the connection sequence; print every stage line with OK or ERR
  status                     MIL, stored code count, the seven readiness monitors, OBD type
  vin [--force]              VIN, calibration IDs, CVNs (--force: ask even what the vehicle's
                             supported set leaves out)
  pid PID... [--force]       decoded value and unit of each service 01 PID (hex, e.g. 0C 05);
                             --force asks PIDs the supported set leaves out
  watch PID... [--count N] [--csv FILE]
                             poll the PIDs in cycles and print one line a cycle (with --json one
                             JSON object a line); --csv also records them as the data log does
  dtc [--maker M]            stored and pending codes with descriptions
  clear --yes                the clearing request; without --yes nothing is sent
  freeze [--maker M]         freeze-frame code and values of frame 0
  o2 [SENSOR]                oxygen-sensor locations, or the ten service 05 rows of one sensor (1..8)
  monitors [MID...]          on-board monitoring test results (service 06), one line a test:
                             monitor, test, value, minimum, maximum, unit, PASS/FAIL/not read
  raw COMMAND                sends COMMAND as typed; prints each answer line as it came
  decode SERVICE PID ANSWER  decode an answer text offline (e.g. decode 01 0C "41 0C 1A F8");
                             service 06 takes a monitor ID (decode 06 21 "46 21 80 01 ...")
  lookup CODE [--maker M]    description from the fault-code table
  makers                     the manufacturer list
  plot LOG.csv [--columns A,B] [--png FILE] [--svg FILE] [--size WxH]
                             draw a recorded log as the log viewer does; columns by header text
                             or sensor PID (0C,05); the first six without --columns
  report --out FILE.xml [--html FILE.html] [--pdf FILE.pdf] [--customer LINE]...
         [--make TEXT --model TEXT --year TEXT] [--vin TEXT] [--maker M]
                             the diagnostic report of every section, as the window writes it, with
                             the stylesheet beside it; up to four customer lines; the VIN read from
                             the vehicle unless --vin gives one
Values that could not be read print as N/A or Error (null in JSON, with an "error" field).
Exit codes: 0 success, 1 the vehicle or interface did not answer (also for any value not
read), 2 bad usage or bad input, 3 a report file could not be written, 130/143 ended by
SIGINT/SIGTERM.
)");
}
