// The cost the ELM327 support adds: reassembling one CAN answer, and the whole connection through
// the emulated ELM327 on a pseudo-terminal, headers on, two control units (to set beside the
// ELM323 figure of bench_connection).

#include "app/program_context.h"
#include "j1979/sensor_catalogue.h"
#include "link/can_answer.h"
#include "link/com_port.h"
#include "link/connection_sequence.h"
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

void BM_ReassembleCalibrationIdsWithHeaders(benchmark::State& state) {
    const QByteArray raw = "7E8 10 23 49 04 02 31 31 33\r7E8 21 31 35 33 33 34 37 39\r"
                           "7E8 22 30 36 30 30 30 32 30\r7E8 23 33 32 35 34 35 31 33\r"
                           "7E8 24 33 32 30 36 30 30 30\r7E8 25 34 AA AA AA AA AA AA\r\r>";
    for (auto _ : state)
        benchmark::DoNotOptimize(can_answer::fromSerial(raw));
}
BENCHMARK(BM_ReassembleCalibrationIdsWithHeaders)->Unit(benchmark::kMicrosecond);

void BM_ConnectThroughElm327Pty(benchmark::State& state) {
    PrepareCatalogues();
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.headers = true;
    config.elm327Settings.secondUnit = true;
    PtyElm elm(config);
    elm.start();
    ProgramContext context;
    context.comPort = CreateComPort();
    context.comPort->setPortName(elm.slavePath());
    context.link.setChannel(context.comPort.get());
    NullView view;
    ConnectionSequence sequence(context, view);
    for (auto _ : state)
        benchmark::DoNotOptimize(sequence.InitializeConnection());
}
BENCHMARK(BM_ConnectThroughElm327Pty)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
