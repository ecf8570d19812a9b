// The acceleration test against the emulator's driving vehicle on a pseudo-terminal, as the tests
// page runs it: the speed worker, its hand-offs, the stopwatch and the correction to 100 km/h.
//
// - Timing: samples per second (the test's time resolution is one speed exchange) and the
//   result's error against the curve's own time to 100 km/h, unpaced and on a line paced like a
//   real interface (9600 baud, 30 ms vehicle latency).
// - Loop cost: what one sample costs above its exchange (decoding, reading the number, the
//   hand-off), against a link that answers at once.

#include "core/link/command_link.h"
#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "core/link/stop_signal.h"
#include "core/livedata/acceleration_test.h"
#include "core/livedata/speed_thread.h"
#include "tools/elmsim/drive_profile.h"
#include "tools/elmsim/pty_elm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void BM_AccelerationRunOverPty(benchmark::State& state) {
    const bool paced = state.range(0) != 0;
    PtyElm::Config config;
    config.profile = QStringLiteral("drive");
    config.drive.accelSeconds = 2.0;
    config.drive.standingRequests = 0;
    if (paced) {
        config.baud = 9600;
        config.latencyMs = 30;
    }
    const double expected = secondsToReach(100, config.drive);
    double samples = 0;
    double seconds = 0;
    double absError = 0;
    int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh vehicle per run: each one stands at the start.
        PtyElm elm(config);
        elm.start();
        SerialPort port;
        port.setPortName(elm.slavePath());
        port.open();
        ElmExchange link(&port);
        elmEcho(link, false);
        AccelerationTest test([] { return false; });
        AccelerationTest::Shown shown;
        SpeedThread thread(test, link);
        QObject::connect(
            &thread, &SpeedThread::sampleReady, &thread, [&] { shown = test.synchronise(); },
            Qt::DirectConnection);
        test.arm();
        state.ResumeTiming();

        QElapsedTimer timer;
        timer.start();
        thread.startTest();
        while (thread.isWorking())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        seconds += timer.nsecsElapsed() * 1e-9;

        state.PauseTiming();
        samples += test.sampleCounter();
        const QString time = test.result() ? test.result()->time : shown.time;
        absError += std::fabs(time.section(QLatin1Char(' '), 0, 0).toDouble() - expected);
        ++runs;
        port.close();
        elm.stop();
        state.ResumeTiming();
    }
    state.counters["samples_per_s"] = samples / seconds;
    state.counters["mean_abs_error_ms"] = 1000.0 * absError / runs;
    state.counters["expected_s"] = expected;
}
BENCHMARK(BM_AccelerationRunOverPty)
    ->ArgName("paced")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// A vehicle that answers at once and never moves; the driver gives up after kSamples answers.
class StandingVehicle : public CommandLink {
public:
    static constexpr int kSamples = 10001;
    explicit StandingVehicle(StopSignal& stop) : m_stop(stop) {}
    LinkAnswer exchange(const QString&) override {
        if (++m_answered == kSamples)
            m_stop.request();
        return QStringLiteral("410D00");
    }
    void rewind() {
        m_answered = 0;
        m_stop.reset();
    }

private:
    StopSignal& m_stop;
    int m_answered = 0;
};

void BM_SampleCostAboveTheExchange(benchmark::State& state) {
    StopSignal stop;
    StandingVehicle link(stop);
    AccelerationTest test([] { return false; });
    for (auto _ : state) {
        link.rewind();
        test.arm();
        test.execute(link, stop);
    }
    state.counters["time_per_sample"] =
        benchmark::Counter(double(state.iterations()) * StandingVehicle::kSamples,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SampleCostAboveTheExchange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
