// One "010C" exchange with a network adapter (the emulated interface on a loopback TCP port)
// beside the same exchange with the interface on a pseudo-terminal. Both go through the program's
// port and exchange; only the channel under them differs.

#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "tools/elmsim/pty_elm.h"
#include "tools/elmsim/tcp_elm.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// A port opened on the given name with echo off, ready for requests.
struct OpenLink {
    SerialPort port;
    ElmExchange link{&port};
    explicit OpenLink(const QString& name) {
        port.setPortName(name);
        port.open();
        elmEcho(link, false);
    }
};

void BM_ExchangeOverTcp(benchmark::State& state) {
    TcpElm elm({}, 0);
    elm.start();
    OpenLink tcp(elm.address());
    for (auto _ : state)
        benchmark::DoNotOptimize(tcp.link.exchange(QStringLiteral("010C")));
}
BENCHMARK(BM_ExchangeOverTcp)->UseRealTime();

// Both, alternating within one run, so that load from other processes hits both alike; the
// counters give the mean of each and their ratio.
void BM_TcpOverPty(benchmark::State& state) {
    TcpElm tcpElm({}, 0);
    tcpElm.start();
    PtyElm ptyElm({});
    ptyElm.start();
    OpenLink tcp(tcpElm.address());
    OpenLink pty(ptyElm.slavePath());
    using Clock = std::chrono::steady_clock;
    Clock::duration tcpTotal{}, ptyTotal{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(pty.link.exchange(QStringLiteral("010C")));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(tcp.link.exchange(QStringLiteral("010C")));
        const auto t2 = Clock::now();
        ptyTotal += t1 - t0;
        tcpTotal += t2 - t1;
    }
    const double n = double(state.iterations());
    const double ptyUs = std::chrono::duration<double, std::micro>(ptyTotal).count() / n;
    const double tcpUs = std::chrono::duration<double, std::micro>(tcpTotal).count() / n;
    state.counters["pty_us"] = ptyUs;
    state.counters["tcp_us"] = tcpUs;
    state.counters["ratio"] = tcpUs / ptyUs;
}
BENCHMARK(BM_TcpOverPty)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
