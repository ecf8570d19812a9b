// elmsim: an ELM323 (or, with --chip elm327, an ELM327) interface with the simulated vehicle behind
// it, on a pseudo-terminal or, with --tcp PORT, on a TCP port of the loopback address as a WiFi
// adapter serves it.
// Prints the port name to connect to as its first line.

#include "core/link/recording_reader.h"
#include "core/settings/command_line.h"
#include "core/settings/file_io.h"
#include "tools/elmsim/drive_profile.h"
#include "tools/elmsim/modern_profile.h"
#include "tools/elmsim/pty_elm.h"
#include "tools/elmsim/recorded_car.h"
#include "tools/elmsim/tcp_elm.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <unistd.h>
#include <variant>

namespace {

int g_wakeFd = -1;

void onSignal(int) {
    const uint64_t one = 1;
    if (g_wakeFd >= 0) [[maybe_unused]]
        auto n = ::write(g_wakeFd, &one, sizeof one);
}

const QString kProgram = QStringLiteral("elmsim");

[[noreturn]] void usage(const QString& problem) {
    std::fputs(qPrintable(command_line::usageError(kProgram, problem)), stderr);
    std::exit(command_line::UsageExit);
}

constexpr command_line::OptionText kOptions[] = {
    {"link", "PATH", "Also make PATH a link to the pseudo-terminal."},
    {"tcp", "PORT", "Serve on this TCP port of the loopback address (0: a free one)."},
    {"latency", "MS", "The vehicle's answer delay."},
    {"baud", "N",
     "Pace both directions like a serial line of N baud; on a pseudo-terminal set to another "
     "speed, answer noise."},
    {"mute-after", "N", "Stop answering after N requests."},
    {"no-data-after", "N", "Answer NO DATA to every request after the Nth."},
    {"no-prompt", nullptr, "Answer without the > prompt."},
    {"keep-echo", nullptr, "Go on echoing every command after ATE0, as some clones do."},
    {"clone", "NAME",
     "elm327: a clone family. v21: \"ELM327 v2.1\" with the commands of v1.0 (\"?\" to AT AT, "
     "AT H1 and the answer count); echo: v21 with an echo ATE0 does not switch off and a blank "
     "line after every line; chatty: v21 with \"BUS INIT: ...OK\" after \"SEARCHING...\" and "
     "lower-case hex."},
    {"late-reset", nullptr,
     "Another program's reset answer arrives just before the answer to the first ATZ."},
    {"profile", "NAME",
     "The simulated vehicle: demo, full, drive, modern or diesel. Each engine reports a "
     "permanent code (service 0A) and its name (09 0A); full, drive and modern their in-use "
     "ratios of spark ignition (09 08), diesel those of compression ignition (09 0B)."},
    {"chip", "elm323|elm327", "The interface chip (default elm323)."},
    {"protocol", "N", "elm327: the vehicle's protocol, 1 to 9."},
    {"headers", "on|off",
     "elm327: headers shown from the start (either chip shows them after ATH1: on CAN the "
     "identifier and length, else the three header bytes and the check byte)."},
    {"spaces", "on|off", "elm327: spaces between bytes from the start."},
    {"units", "1|2",
     "Answering control units: 2 adds a transmission unit (P0700 stored, P0715 pending, its own "
     "calibration, CVN and name) to a one-unit vehicle; the full profile has it always."},
    {"realtime", nullptr, "elm327: the chip's own timing (ATZ about 1 s)."},
    {"response-ms", "MS", "elm327: the vehicle's response time."},
    {"accel-seconds", "S", "The vehicle drives off and reaches top speed in S seconds."},
    {"stand-requests", "N", "With --accel-seconds: requests before it drives off."},
    {"replay", "FILE",
     "Answer as the car of a recording or a communication log (LogFile.txt) did."},
};

int numberArgument(const QCommandLineParser& parser, const char* option) {
    bool ok = false;
    const int value = parser.value(QLatin1String(option)).toInt(&ok);
    if (!ok || value < 0)
        usage(QStringLiteral("--%1 needs a number of 0 or more").arg(QLatin1String(option)));
    return value;
}

bool onOff(const QCommandLineParser& parser, const char* option) {
    const QString value = parser.value(QLatin1String(option));
    if (value != QLatin1String("on") && value != QLatin1String("off"))
        usage(QStringLiteral("--%1 needs on or off").arg(QLatin1String(option)));
    return value == QLatin1String("on");
}

// The options of the ELM327 emulation.
void elm327Options(const QCommandLineParser& parser, ElmServer::Config& config) {
    Elm327Emulator::Settings& settings = config.elm327Settings;
    auto given = [&parser](const char* name) { return parser.isSet(QLatin1String(name)); };
    if (given("chip")) {
        const QString chip = parser.value(QStringLiteral("chip"));
        if (chip != QLatin1String("elm323") && chip != QLatin1String("elm327"))
            usage(QStringLiteral("--chip needs elm323 or elm327"));
        config.elm327 = chip == QLatin1String("elm327");
    }
    if (given("protocol")) {
        settings.protocol = numberArgument(parser, "protocol");
        if (settings.protocol < 1 || settings.protocol > 9)
            usage(QStringLiteral("--protocol needs a number from 1 to 9"));
    }
    if (given("headers"))
        settings.headers = onOff(parser, "headers");
    if (given("spaces"))
        settings.spaces = onOff(parser, "spaces");
    if (given("units")) {
        const int units = numberArgument(parser, "units");
        if (units < 1 || units > 2)
            usage(QStringLiteral("--units needs 1 or 2"));
        settings.secondUnit = units == 2;
    }
    settings.timing.realtime = given("realtime");
    if (given("clone")) {
        if (!Elm327Emulator::cloneByName(parser.value(QStringLiteral("clone")), settings.clone,
                                         config.emulator))
            usage(QStringLiteral("--clone needs v21, echo or chatty"));
        if (given("chip") && !config.elm327)
            usage(QStringLiteral("--clone names ELM327 clones: use --chip elm327"));
        config.elm327 = true;
    }
    if (given("response-ms"))
        settings.timing.responseMs = numberArgument(parser, "response-ms");
}

// The drive options keep their own checks, shared with the tests of the driving vehicle.
void driveOptions(const QCommandLineParser& parser, DriveSettings& drive) {
    for (const char* option : {"accel-seconds", "stand-requests"}) {
        if (!parser.isSet(QLatin1String(option)))
            continue;
        const QStringList args{QStringLiteral("--") + QLatin1String(option),
                               parser.value(QLatin1String(option))};
        qsizetype i = 0;
        if (QString problem; driveOption(args, i, drive, problem) && !problem.isEmpty())
            usage(problem);
    }
}

// --replay: the recorded car answers, behind the chip it was recorded with unless --chip says
// otherwise. A recording that cannot be read ends the program with the line that is wrong.
void replayOptions(const QCommandLineParser& parser, ElmServer::Config& config) {
    const QString path = parser.value(QStringLiteral("replay"));
    constexpr qint64 kMaxRecordingBytes = 256LL * 1024 * 1024;
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxRecordingBytes);
    if (!bytes) {
        std::fprintf(stderr, "elmsim: %s: cannot be read (no regular file, or over 256 MiB)\n",
                     qPrintable(path));
        std::exit(command_line::UsageExit);
    }
    auto result = recording_reader::read(*bytes);
    if (const auto* error = std::get_if<recording_reader::Error>(&result)) {
        const QString where =
            error->line > 0 ? QStringLiteral("%1:%2").arg(path).arg(error->line) : path;
        std::fprintf(stderr, "elmsim: %s: %s\n", qPrintable(where), qPrintable(error->reason));
        std::exit(command_line::UsageExit);
    }
    const auto& session = std::get<recording_reader::Session>(result);
    for (const QString& warning : session.warnings)
        std::fprintf(stderr, "elmsim: %s:%s\n", qPrintable(path), qPrintable(warning));
    if (!parser.isSet(QStringLiteral("chip")))
        config.elm327 = session.interface.contains(QLatin1String("ELM327"), Qt::CaseInsensitive);
    bool known = false;
    const int protocol = session.protocol.toInt(&known, 16);
    if (known && protocol >= 1 && protocol <= 9 && !parser.isSet(QStringLiteral("protocol")))
        config.elm327Settings.protocol = protocol;
    config.emulator.replay =
        std::make_shared<RecordedCar>(session, !parser.isSet(QStringLiteral("latency")));
}

// Serves until SIGINT or SIGTERM, which wake the server through its event descriptor.
template <typename Elm>
void serveUntilSignalled(Elm& elm, const QString& portName) {
    std::printf("%s\n", qPrintable(portName));
    std::fflush(stdout);

    g_wakeFd = elm.wakeFd();
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    elm.run();
    g_wakeFd = -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    command_line::addStandardOptions(parser);
    command_line::addOptions(parser, kOptions);
    parser.setApplicationDescription(QStringLiteral(
        "An ELM323 (or ELM327) interface with a simulated vehicle behind it, on a pseudo-terminal "
        "or a TCP port.\nPrints the port to connect to as its first line."));
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> code = command_line::parse(
                parser, QCoreApplication::arguments(),
                {.name = kProgram, .version = QStringLiteral(QUORVANE_VERSION)}, out, err))
            return *code;
    }
    ElmServer::Config config;
    const QString linkPath = parser.value(QStringLiteral("link"));
    int tcpPort = -1;
    if (parser.isSet(QStringLiteral("tcp"))) {
        tcpPort = numberArgument(parser, "tcp");
        if (tcpPort > 65535)
            usage(QStringLiteral("--tcp needs a port from 0 to 65535"));
    }
    if (parser.isSet(QStringLiteral("latency")))
        config.latencyMs = numberArgument(parser, "latency");
    if (parser.isSet(QStringLiteral("baud")))
        config.baud = numberArgument(parser, "baud");
    if (parser.isSet(QStringLiteral("mute-after")))
        config.emulator.muteAfter = numberArgument(parser, "mute-after");
    if (parser.isSet(QStringLiteral("no-data-after")))
        config.emulator.noDataAfter = numberArgument(parser, "no-data-after");
    if (parser.isSet(QStringLiteral("no-prompt")))
        config.emulator.prompt = false;
    if (parser.isSet(QStringLiteral("keep-echo")))
        config.emulator.keepEcho = true;
    config.lateReset = parser.isSet(QStringLiteral("late-reset"));
    if (parser.isSet(QStringLiteral("profile")))
        config.profile = parser.value(QStringLiteral("profile"));
    driveOptions(parser, config.drive);
    elm327Options(parser, config);
    if (modernEngine(config.profile)) {
        // A car of these years talks CAN, which only the ELM327 of the two chips does.
        const QString profile = QStringLiteral("--profile ") + config.profile;
        if (parser.isSet(QStringLiteral("chip")) && !config.elm327)
            usage(profile +
                  QStringLiteral(
                      " is a CAN vehicle, which an ELM323 cannot talk to: use --chip elm327"));
        if (config.elm327Settings.protocol < 6)
            usage(profile + QStringLiteral(" is a CAN vehicle: --protocol needs 6 to 9"));
        config.elm327 = true;
    }
    if (parser.isSet(QStringLiteral("replay")))
        replayOptions(parser, config);
    if (config.elm327Settings.timing.realtime && !config.elm327)
        usage(QStringLiteral("--realtime models the timing of --chip elm327"));
    if (tcpPort >= 0 && !linkPath.isEmpty())
        usage(QStringLiteral("--link names a pseudo-terminal; a TCP port needs none"));

    try {
        if (tcpPort >= 0) {
            TcpElm elm(config, tcpPort);
            serveUntilSignalled(elm, elm.address());
            return 0;
        }
        PtyElm elm(config);
        if (!linkPath.isEmpty()) {
            QFile::remove(linkPath); // a stale link of an earlier run
            if (!QFile::link(elm.slavePath(), linkPath)) {
                std::fprintf(stderr, "elmsim: cannot create the link %s\n", qPrintable(linkPath));
                return 1;
            }
        }
        serveUntilSignalled(elm, elm.slavePath());
        if (!linkPath.isEmpty())
            QFile::remove(linkPath);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "elmsim: %s\n", e.what());
        return 1;
    }
    return 0;
}
