// quorvane-cli: the diagnostic core without a window, for scripts and workshop automation.

#include "tools/cli/cli_report_pdf.h"
#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"

#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<bool> interrupted{false};

// An interrupted watch finishes its cycle and still prints its JSON document.
extern "C" void onInterrupt(int) {
    interrupted = true;
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = createCliApplication(argc, argv);
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliTuning tuning;
    tuning.stop = &interrupted;
    return runCli(app->arguments().mid(1), out, err, tuning);
}
