#include "tools/cli/cli_options.h"

#include "core/settings/command_line.h"

#include <QHash>
#include <vector>

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
        {QStringLiteral("plot"), {1, 1}},   {QStringLiteral("units"), {0, 0}},
        {QStringLiteral("iupr"), {0, 0}},
    };
    return rules;
}

// Every option of every command; which command takes which is checked after parsing.
constexpr command_line::OptionText kOptions[] = {
    {"port", "PATH",
     "Serial device or tcp://HOST:PORT of the interface (default: the stored port)."},
    {"baud", "N|auto",
     "Baud rate of a serial interface (auto: search the usual rates; default: the stored "
     "choice)."},
    {"protocol", "auto|1..C",
     "ELM327: the vehicle protocol (ATSP), or auto for the chip's search (default: the stored "
     "choice)."},
    {"demo", nullptr, "Talk to the simulated vehicle instead of an interface."},
    {"english", nullptr, "English units (°F, mph, psi) instead of metric."},
    {"lang", "CODE", "Language of texts and descriptions (default: the stored language)."},
    {"json", nullptr, "Print one JSON document (watch: one JSON object a line)."},
    {"log", nullptr, "Write the communication log; show the stage lines on standard error."},
    {"record", "FILE", "Record every exchange with the interface in FILE (JSON Lines)."},
    {"anonymize", nullptr, "With --record: placeholders for the VIN and calibration IDs."},
    {"count", "N", "watch: stop after N cycles."},
    {"csv", "FILE", "watch: also record the cycles in the data-log format."},
    {"maker", "M", "lookup, dtc, freeze, report: manufacturer of codes outside P0."},
    {"yes", nullptr, "clear: really send the clearing request."},
    {"force", nullptr, "vin, pid: ask what the vehicle's supported set leaves out."},
    {"out", "FILE.xml", "report: the report file."},
    {"html", "FILE.html", "report: also the formatted page."},
    {"pdf", "FILE.pdf", "report: also the page as PDF."},
    {"customer", "LINE", "report: a customer line (up to four)."},
    {"make", "TEXT", "report: the vehicle's make."},
    {"model", "TEXT", "report: the vehicle's model."},
    {"year", "TEXT", "report: the vehicle's year."},
    {"vin", "TEXT", "report: the VIN instead of the one read from the vehicle."},
    {"columns", "A,B", "plot: the columns to draw, by header text or PID."},
    {"png", "FILE", "plot: write a PNG picture."},
    {"svg", "FILE", "plot: write an SVG picture."},
    {"size", "WxH", "plot: picture size (default 1200x800)."},
};

void makeParser(QCommandLineParser& parser) {
    command_line::addStandardOptions(parser);
    command_line::addOptions(parser, kOptions);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("One of the commands below."),
                                 QStringLiteral("COMMAND"));
    parser.addPositionalArgument(QStringLiteral("args"), QStringLiteral("Its arguments."),
                                 QStringLiteral("[ARGS...]"));
}

// The commands, listed after the options by --help; the bash completion offers the same names.
const command_line::Program& program() {
    static const command_line::Program cli{.name = QStringLiteral("quorvane-cli"),
                                           .version = QStringLiteral(QUORVANE_VERSION),
                                           .epilogue = QStringLiteral(R"(Commands:
  ports                      serial device names, as the options page lists them
  connect                    run the connection sequence; print every stage line with OK or ERR
  status                     MIL, stored code count, the seven readiness monitors, OBD type
  vin [--force]              VIN, calibration IDs, CVNs (--force: ask even what the vehicle's
                             supported set leaves out)
  pid PID... [--force]       decoded value and unit of each service 01 PID (hex 01..C4, e.g.
                             0C 05 5C); a PID with several values prints each on its own line;
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
  units                      each control unit: address, name, protocol, VIN, calibration IDs,
                             CVNs, MIL and how many of its monitors are complete
  iupr                       in-use performance ratios of each unit that keeps them: monitor,
                             completions/conditions met, ratio
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
With --record FILE any command that talks to the vehicle also records the session, command by
command with its answer (JSON Lines); elmsim --replay FILE answers as the recorded car.
Values that could not be read print as N/A or Error (null in JSON, with an "error" field).
Exit codes: 0 success, 1 the vehicle or interface did not answer (also for any value not
read), 2 bad usage or bad input, 3 a file could not be written, 130/143 ended by
SIGINT/SIGTERM.
)"),
                                           .takesArguments = true};
    return cli;
}

void requireCommand(const CliOptions& options, const QString& option, const QStringList& commands) {
    if (commands.contains(options.command))
        return;
    throw CliUsageError(
        QStringLiteral("%1 does not apply to the command %2").arg(option, options.command));
}

// The options that only some commands take, and those commands.
struct CommandOptions {
    QStringList options;
    QStringList commands;
};

const std::vector<CommandOptions>& commandOptions() {
    static const std::vector<CommandOptions> rules{
        {{"count", "csv"}, {"watch"}},
        {{"maker"}, {"lookup", "dtc", "freeze", "report"}},
        {{"out", "html", "pdf", "customer", "make", "model", "year", "vin"}, {"report"}},
        {{"yes"}, {"clear"}},
        {{"force"}, {"vin", "pid"}},
        {{"columns", "png", "svg", "size"}, {"plot"}},
        // A recording is of a session with the interface.
        {{"record", "anonymize"},
         {"connect", "status", "vin", "pid", "watch", "dtc", "clear", "freeze", "o2", "raw",
          "report", "monitors", "units", "iupr"}},
        // A picture of a log file talks to no vehicle and prints no JSON.
        {{"port", "baud", "protocol", "demo", "english", "json", "log"},
         {"ports", "connect", "status", "vin", "pid", "watch", "dtc", "clear", "freeze", "o2",
          "raw", "decode", "lookup", "makers", "report", "monitors", "units", "iupr"}},
    };
    return rules;
}

} // namespace

CliOptions parseCliArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    makeParser(parser);
    const QStringList withProgram = QStringList{QStringLiteral("quorvane-cli")} + arguments;
    const bool parsed = parser.parse(withProgram);
    CliOptions options;
    // Asked for help, the user gets it even beside a mistake.
    options.help = parser.isSet(QStringLiteral("help"));
    if (options.help)
        return options;
    if (!parsed)
        throw CliUsageError(command_line::parseProblem(parser, withProgram));
    options.version = parser.isSet(QStringLiteral("version"));
    if (options.version)
        return options;

    auto value = [&parser](const char* name) { return parser.value(QLatin1String(name)); };
    auto given = [&parser](const char* name) { return parser.isSet(QLatin1String(name)); };
    options.port = value("port");
    options.demo = given("demo");
    options.english = given("english");
    options.language = value("lang");
    options.json = given("json");
    options.log = given("log");
    options.record = value("record");
    options.anonymize = given("anonymize");
    options.csvFile = value("csv");
    options.maker = value("maker");
    options.yes = given("yes");
    options.force = given("force");
    options.reportOut = value("out");
    options.reportHtml = value("html");
    options.reportPdf = value("pdf");
    options.customer = parser.values(QStringLiteral("customer"));
    options.make = value("make");
    options.model = value("model");
    options.year = value("year");
    options.vin = value("vin");
    options.columns = parser.values(QStringLiteral("columns"));
    options.png = value("png");
    options.svg = value("svg");
    options.size = value("size");
    if (given("baud")) {
        const QString text = value("baud").trimmed();
        options.automaticBaud = text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0;
        bool ok = false;
        const int rate = text.toInt(&ok);
        if (!options.automaticBaud && (!ok || rate < 300 || rate > 4000000))
            throw CliUsageError(QStringLiteral("--baud needs auto or a rate such as 38400"));
        options.baud = options.automaticBaud ? 0 : rate;
    }
    if (given("protocol")) {
        const QString text = value("protocol").trimmed();
        bool ok = false;
        const int number = text.toInt(&ok, 16);
        if (text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
            options.protocol = 0;
        else if (ok && text.size() == 1 && number >= 1)
            options.protocol = number;
        else
            throw CliUsageError(QStringLiteral("--protocol needs auto or a digit from 1 to C"));
    }
    if (given("count")) {
        bool ok = false;
        const int n = value("count").toInt(&ok);
        if (!ok || n < 1)
            throw CliUsageError(QStringLiteral("--count needs a whole number of at least 1"));
        options.count = n;
    }

    QStringList positional = parser.positionalArguments();
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

    if (given("port") && options.demo)
        throw CliUsageError(QStringLiteral("--port and --demo exclude each other"));
    if (given("port") && options.port.trimmed().isEmpty())
        throw CliUsageError(QStringLiteral("--port needs a device path or tcp://HOST:PORT"));
    // In the order the user wrote them, so the first misplaced option is the one named.
    for (const QString& name : parser.optionNames())
        for (const CommandOptions& rule : commandOptions())
            if (rule.options.contains(name))
                requireCommand(options, QStringLiteral("--") + name, rule.commands);
    if (given("record") && options.record.trimmed().isEmpty())
        throw CliUsageError(QStringLiteral("--record needs a file name"));
    if (options.anonymize && !given("record"))
        throw CliUsageError(QStringLiteral("--anonymize applies to --record"));
    if (given("csv") && options.csvFile.trimmed().isEmpty())
        throw CliUsageError(QStringLiteral("--csv needs a file name"));
    return options;
}

bool commandTalksToVehicle(const QString& command) {
    static const QStringList offline{QStringLiteral("ports"), QStringLiteral("decode"),
                                     QStringLiteral("lookup"), QStringLiteral("makers")};
    return !offline.contains(command);
}

QString cliHelpText() {
    QCommandLineParser parser;
    makeParser(parser);
    return command_line::helpText(parser, program());
}

QString cliVersionText() {
    return command_line::versionText(program());
}

QString cliUsageError(const QString& message) {
    return command_line::usageError(program().name, message);
}
