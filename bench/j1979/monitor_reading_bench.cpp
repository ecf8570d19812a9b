// Every supported monitor of the full vehicle read through an ELM327 on a pseudo-terminal, as the
// report and `quorvane-cli monitors` read them: the supported-monitor blocks, then one request
// per monitor. With the emulator answering at once, and keeping real time (control units
// answering in 10 ms, the chip's adaptive timing) on a line paced at 38400 baud, the usual speed
// of the adapters. Counters: the requests the reading sent, the results it gave, and its seconds
// from the end of the connection sequence on.

#include "core/j1979/monitor_reading.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_session.h"
#include "tools/elmsim/pty_elm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

struct Reading {
    int requests = 0;
    qsizetype results = 0;
    bool complete = false;
    double seconds = 0;
};

Reading readFullVehicle(bool realtime, int baud) {
    PtyElm::Config config;
    config.profile = QStringLiteral("full");
    config.elm327 = true;
    config.elm327Settings.timing.realtime = realtime;
    config.baud = baud;
    PtyElm elm(config);
    elm.start();
    CliSession session(parseCliArguments({"--port", elm.slavePath(), "monitors"}), CliTuning{});
    session.prepareTexts();
    if (!session.connect()) {
        qWarning("the emulated vehicle was not found");
        return {};
    }
    const int before = elm.requestCount();
    QElapsedTimer timer;
    timer.start();
    const MonitorReading reading = readMonitorTests(session.context().link);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return {elm.requestCount() - before, reading.results.size(), reading.complete, seconds};
}

void BM_ReadEveryMonitorOfTheFullVehicle(benchmark::State& state) {
    const bool realtime = state.range(0) != 0;
    const int baud = int(state.range(1));
    Reading reading;
    for (auto _ : state)
        reading = readFullVehicle(realtime, baud);
    if (!reading.complete)
        state.SkipWithError("the reading was not complete");
    state.counters["requests"] = reading.requests;
    state.counters["results"] = double(reading.results);
    state.counters["seconds"] = reading.seconds;
    state.counters["ms_per_request"] =
        reading.requests > 0 ? 1000 * reading.seconds / reading.requests : 0;
}
BENCHMARK(BM_ReadEveryMonitorOfTheFullVehicle)
    ->ArgNames({"realtime", "baud"})
    ->Args({0, 0})
    ->Args({1, 38400})
    ->Iterations(3)
    ->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
