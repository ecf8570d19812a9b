// The whole connection sequence, the Connect button's work: against the simulated vehicle without
// its answer delay (the sequence's own cost) and through the emulated interface on a
// pseudo-terminal (what a user waits for, less the vehicle's bus time), as an ELM323 and as an
// ELM327 on a CAN car.

#include "core/connection/connection_sequence.h"
#include "core/connection/program_context.h"
#include "core/link/com_port.h"
#include "tools/elmsim/pty_elm.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

class NullView : public ConnectionView {
public:
    void clearLog() override {}
    void addLogLine(const QString&, Mark) override {}
    void setComLed(bool) override {}
    void setElmLed(bool) override {}
    void setEcuLed(bool) override {}
    void setComLabel(const QString&) override {}
    void setInterfaceLabel(const QString&) override {}
    void updateLog() override {}
};

void BM_ConnectDemoMode(benchmark::State& state) {
    ProgramContext context;
    context.link.setDemoDelay(0);
    context.link.setDemoMode(true);
    NullView view;
    ConnectionSequence sequence(context, view);
    for (auto _ : state)
        benchmark::DoNotOptimize(sequence.initializeConnection());
}
BENCHMARK(BM_ConnectDemoMode)->Unit(benchmark::kMicrosecond);

// The sequence against an emulated interface on a pseudo-terminal, again and again; each time
// from the port's stored rate (0: whatever the last connection found).
void connectThroughPty(benchmark::State& state, const PtyElm::Config& config, int storedBaud = 0) {
    PtyElm elm(config);
    elm.start();
    ProgramContext context;
    context.comPort = createComPort();
    context.comPort->setPortName(elm.slavePath());
    context.link.setChannel(context.comPort.get());
    NullView view;
    ConnectionSequence sequence(context, view);
    for (auto _ : state) {
        if (storedBaud > 0)
            context.comPort->setBaudRate(storedBaud);
        benchmark::DoNotOptimize(sequence.initializeConnection());
    }
}

void BM_ConnectThroughPty(benchmark::State& state) {
    connectThroughPty(state, PtyElm::Config{});
}
BENCHMARK(BM_ConnectThroughPty)->Unit(benchmark::kMillisecond)->UseRealTime();

// The ELM327 on a CAN car, headers on, two control units: what the CAN support adds.
void BM_ConnectThroughElm327Pty(benchmark::State& state) {
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.headers = true;
    config.elm327Settings.secondUnit = true;
    connectThroughPty(state, config);
}
BENCHMARK(BM_ConnectThroughElm327Pty)->Unit(benchmark::kMillisecond)->UseRealTime();

// An ELM327 that keeps real time (its reset, the protocol search, units answering in 10 ms):
// what a connection costs on a real chip, beside the chip's own share.
void BM_ConnectThroughRealtimeElm327Pty(benchmark::State& state) {
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.timing.realtime = true;
    connectThroughPty(state, config);
}
BENCHMARK(BM_ConnectThroughRealtimeElm327Pty)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// An adapter set to 38400, through the automatic baud rate: with 9600 stored the first probe
// meets noise and the second finds the adapter; with 38400 stored the first answers. The line is
// paced at the adapter's speed.
void connectToA38400Adapter(benchmark::State& state, int storedBaud) {
    // The found rate goes only into a settings file that exists: never the user's.
    qputenv("QUORVANE_CONFIG", "/nonexistent/quorvane-bench.ini");
    PtyElm::Config config;
    config.elm327 = true;
    config.baud = 38400;
    connectThroughPty(state, config, storedBaud);
}

void BM_ConnectAutomaticBaud(benchmark::State& state) {
    connectToA38400Adapter(state, 9600);
}
BENCHMARK(BM_ConnectAutomaticBaud)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConnectStoredBaud(benchmark::State& state) {
    connectToA38400Adapter(state, 38400);
}
BENCHMARK(BM_ConnectStoredBaud)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
