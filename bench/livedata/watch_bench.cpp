// quorvane-cli watch against the simulated vehicle (no answer delay), its output thrown away:
// the peak memory of the process after 1,000 and after 100,000 cycles. A watch that keeps its
// cycles grows with them; a streaming one stays where it was.

#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

// The process's peak resident set in kB (VmHWM).
double peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble();
    return 0;
}

void watch(int cycles, bool json) {
    QFile null(QStringLiteral("/dev/null"));
    null.open(QIODevice::WriteOnly);
    QTextStream out(&null);
    QTextStream err(&null);
    CliTuning tuning;
    tuning.demoDelayMs = 0;
    QStringList arguments{"--demo", "watch", "0C", "0D", "05", "--count", QString::number(cycles)};
    if (json)
        arguments.prepend("--json");
    runCli(arguments, out, err, tuning);
}

void BM_WatchPeakMemory(benchmark::State& state) {
    const bool json = state.range(0) != 0;
    double after1k = 0, after100k = 0;
    for (auto _ : state) {
        watch(1'000, json);
        after1k = peakKb();
        watch(100'000, json);
        after100k = peakKb();
    }
    state.counters["peak_after_1k_kB"] = after1k;
    state.counters["peak_after_100k_kB"] = after100k;
    state.counters["growth_kB"] = after100k - after1k;
}
BENCHMARK(BM_WatchPeakMemory)
    ->ArgName("json")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
