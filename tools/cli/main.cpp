// quorvane-cli: the diagnostic core without a window, for scripts and workshop automation.

#include "tools/cli/cli_report_pdf.h"
#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"

#include "core/link/stop_signal.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>

namespace {

StopSignal* g_interrupted = nullptr;
volatile std::sig_atomic_t g_signal = 0;

// Ends the exchange in progress at once; every exchange after it returns at once too, so the
// command runs to its end without waiting on the interface, the log gets its closing lines, and
// the tool exits as a shell expects of a program ended by that signal (128 + its number). An
// interrupted watch drops the cycle it was in and ends with what it printed so far.
extern "C" void onInterrupt(int signal) {
    g_signal = signal;
    if (g_interrupted != nullptr)
        g_interrupted->request();
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = createCliApplication(argc, argv);
    StopSignal interrupted;
    g_interrupted = &interrupted;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliTuning tuning;
    tuning.stop = &interrupted;
    const int code = runCli(app->arguments().mid(1), out, err, tuning);
    g_interrupted = nullptr;
    out.flush();
    err.flush();
    return g_signal != 0 ? 128 + int(g_signal) : code;
}
