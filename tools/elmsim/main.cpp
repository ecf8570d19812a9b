// elmsim: an ELM323 (or, with --chip elm327, an ELM327) interface with the simulated vehicle behind
// it, on a pseudo-terminal or, with --tcp PORT, on a TCP port of the loopback address as a WiFi
// adapter serves it. The CAN cars of the profiles "modern" and "diesel" bring the ELM327 along.
// Prints the port name to connect to as its first line.

#include "tools/elmsim/drive_profile.h"
#include "tools/elmsim/modern_profile.h"
#include "tools/elmsim/pty_elm.h"
#include "tools/elmsim/tcp_elm.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <unistd.h>

namespace {

int g_wakeFd = -1;

void onSignal(int) {
    const uint64_t one = 1;
    if (g_wakeFd >= 0) [[maybe_unused]]
        auto n = ::write(g_wakeFd, &one, sizeof one);
}

[[noreturn]] void usage(const char* problem) {
    std::fprintf(stderr,
                 "elmsim: %s\n"
                 "usage: elmsim [--link PATH | --tcp PORT] [--latency MS] [--baud N]\n"
                 "              [--mute-after N] [--no-data-after N]\n"
                 "              [--no-prompt] [--keep-echo]\n"
                 "              [--profile demo|full|drive|modern|diesel]\n"
                 "              [--chip elm323|elm327] [--protocol N] [--headers on|off]\n"
                 "              [--spaces on|off] [--units 1|2]\n"
                 "              [--realtime] [--response-ms MS]\n"
                 "              [--accel-seconds S] [--stand-requests N]\n",
                 problem);
    std::exit(2);
}

int numberArgument(const QStringList& args, qsizetype& i, const char* option) {
    if (i + 1 >= args.size())
        usage((std::string(option) + " needs a number").c_str());
    bool ok = false;
    const int value = args.at(++i).toInt(&ok);
    if (!ok || value < 0)
        usage((std::string(option) + " needs a number of 0 or more").c_str());
    return value;
}

bool onOff(const QStringList& args, qsizetype& i, const char* option) {
    if (i + 1 < args.size()) {
        const QString value = args.at(++i);
        if (value == QLatin1String("on") || value == QLatin1String("off"))
            return value == QLatin1String("on");
    }
    usage((std::string(option) + " needs on or off").c_str());
}

// The options of the ELM327 emulation; false when the argument is none of them.
bool elm327Option(const QStringList& args, qsizetype& i, ElmServer::Config& config,
                  bool& chipChosen) {
    const QString& a = args.at(i);
    Elm327Emulator::Settings& settings = config.elm327Settings;
    if (a == QLatin1String("--chip") && i + 1 < args.size()) {
        const QString chip = args.at(++i);
        if (chip != QLatin1String("elm323") && chip != QLatin1String("elm327"))
            usage("--chip needs elm323 or elm327");
        config.elm327 = chip == QLatin1String("elm327");
        chipChosen = true;
    } else if (a == QLatin1String("--protocol")) {
        settings.protocol = numberArgument(args, i, "--protocol");
        if (settings.protocol < 1 || settings.protocol > 9)
            usage("--protocol needs a number from 1 to 9");
    } else if (a == QLatin1String("--headers")) {
        settings.headers = onOff(args, i, "--headers");
    } else if (a == QLatin1String("--spaces")) {
        settings.spaces = onOff(args, i, "--spaces");
    } else if (a == QLatin1String("--units")) {
        const int units = numberArgument(args, i, "--units");
        if (units < 1 || units > 2)
            usage("--units needs 1 or 2");
        settings.secondUnit = units == 2;
    } else if (a == QLatin1String("--realtime")) {
        settings.timing.realtime = true;
    } else if (a == QLatin1String("--response-ms")) {
        settings.timing.responseMs = numberArgument(args, i, "--response-ms");
    } else {
        return false;
    }
    return true;
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
    ElmServer::Config config;
    QString linkPath;
    int tcpPort = -1;
    bool chipChosen = false;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--link") && i + 1 < args.size())
            linkPath = args.at(++i);
        else if (a == QLatin1String("--tcp")) {
            tcpPort = numberArgument(args, i, "--tcp");
            if (tcpPort > 65535)
                usage("--tcp needs a port from 0 to 65535");
        } else if (a == QLatin1String("--latency"))
            config.latencyMs = numberArgument(args, i, "--latency");
        else if (a == QLatin1String("--baud"))
            config.baud = numberArgument(args, i, "--baud");
        else if (a == QLatin1String("--mute-after"))
            config.emulator.muteAfter = numberArgument(args, i, "--mute-after");
        else if (a == QLatin1String("--no-data-after"))
            config.emulator.noDataAfter = numberArgument(args, i, "--no-data-after");
        else if (a == QLatin1String("--no-prompt"))
            config.emulator.prompt = false;
        else if (a == QLatin1String("--keep-echo"))
            config.emulator.keepEcho = true;
        else if (a == QLatin1String("--profile") && i + 1 < args.size())
            config.profile = args.at(++i);
        else if (QString problem; driveOption(args, i, config.drive, problem)) {
            if (!problem.isEmpty())
                usage(qPrintable(problem));
        } else if (!elm327Option(args, i, config, chipChosen))
            usage(("unknown argument " + a.toStdString()).c_str());
    }
    if (modernEngine(config.profile)) {
        // A car of these years talks CAN, which only the ELM327 of the two chips does.
        const std::string profile = "--profile " + config.profile.toStdString();
        if (chipChosen && !config.elm327)
            usage((profile + " is a CAN vehicle, which an ELM323 cannot talk to: use --chip elm327")
                      .c_str());
        if (config.elm327Settings.protocol < 6)
            usage((profile + " is a CAN vehicle: --protocol needs 6 to 9").c_str());
        config.elm327 = true;
    }
    if (config.elm327Settings.timing.realtime && !config.elm327)
        usage("--realtime models the timing of --chip elm327");
    if (tcpPort >= 0 && !linkPath.isEmpty())
        usage("--link names a pseudo-terminal; a TCP port needs none");

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
