// One "010C" exchange against the emulated interface on a pseudo-terminal, beside the raw round
// trip of the same bytes written and read directly on the device. The exchange should cost no
// more than the raw round trip: its read is woken by the data, never by a timer.

#include "bench/link/raw_device.h"
#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "tools/elmsim/pty_elm.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

namespace {

PtyElm::Config quietInterface() {
    PtyElm::Config config;
    config.latencyMs = 0;
    return config;
}

void BM_Exchange010C(benchmark::State& state) {
    PtyElm elm(quietInterface());
    elm.start();
    SerialPort port;
    port.setPortName(elm.slavePath());
    port.open();
    ElmExchange link(&port);
    elmEcho(link, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(link.exchange(QStringLiteral("010C")));
}
BENCHMARK(BM_Exchange010C)->UseRealTime();

void BM_RawRoundTrip010C(benchmark::State& state) {
    PtyElm elm(quietInterface());
    elm.start();
    RawDevice raw(elm.slavePath());
    raw.roundTrip("ATE0\r");
    for (auto _ : state)
        raw.roundTrip("010C\r");
}
BENCHMARK(BM_RawRoundTrip010C)->UseRealTime();

// Both, alternating within one run, so that load from other processes hits both alike; the
// counters give the mean of each and their ratio, in wall time and in CPU time of the process
// (this thread and the emulator's), which waiting for the scheduler on a busy machine does not
// lengthen.
void BM_ExchangeOverRaw(benchmark::State& state) {
    PtyElm rawElm(quietInterface());
    rawElm.start();
    RawDevice raw(rawElm.slavePath());
    raw.roundTrip("ATE0\r");
    PtyElm elm(quietInterface());
    elm.start();
    SerialPort port;
    port.setPortName(elm.slavePath());
    port.open();
    ElmExchange link(&port);
    elmEcho(link, false);
    using Clock = std::chrono::steady_clock;
    auto cpu = [] {
        timespec ts{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) * 1e-3;
    };
    Clock::duration rawTotal{}, exchangeTotal{};
    double rawCpu = 0, exchangeCpu = 0;
    for (auto _ : state) {
        const double c0 = cpu();
        const auto t0 = Clock::now();
        raw.roundTrip("010C\r");
        const auto t1 = Clock::now();
        const double c1 = cpu();
        benchmark::DoNotOptimize(link.exchange(QStringLiteral("010C")));
        const auto t2 = Clock::now();
        const double c2 = cpu();
        rawTotal += t1 - t0;
        exchangeTotal += t2 - t1;
        rawCpu += c1 - c0;
        exchangeCpu += c2 - c1;
    }
    const double n = double(state.iterations());
    const double rawUs = std::chrono::duration<double, std::micro>(rawTotal).count() / n;
    const double exchangeUs = std::chrono::duration<double, std::micro>(exchangeTotal).count() / n;
    state.counters["raw_us"] = rawUs;
    state.counters["exchange_us"] = exchangeUs;
    state.counters["ratio"] = exchangeUs / rawUs;
    state.counters["cpu_ratio"] = exchangeCpu / rawCpu;
}
BENCHMARK(BM_ExchangeOverRaw)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
