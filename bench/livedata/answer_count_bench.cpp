// Live data through an ELM327 that keeps real time (elmsim --chip elm327 --realtime, control
// units answering in 10 ms, adaptive timing as the program sets it): `quorvane-cli watch 0C 0D 05
// --count 100` with the answer count and without it, beside the floor the emulated chip and line
// impose (the same requests with the count sent bare on the device, nothing in between). One and
// two control units; the line unpaced and paced at 38400 baud, the usual speed of the adapters.
// Rates in requests per second, and their ratios from the same run.

#include "bench/link/raw_device.h"
#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"
#include "tools/elmsim/pty_elm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

constexpr int kCycles = 100;
const QStringList kPids{"0C", "0D", "05"};

// Output that notes when each line was written; the watch flushes line by line.
class LineClock : public QIODevice {
public:
    std::vector<std::chrono::steady_clock::time_point> lines;
    LineClock() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        for (qint64 i = 0; i < size; ++i)
            if (data[i] == '\n')
                lines.push_back(std::chrono::steady_clock::now());
        return size;
    }
};

PtyElm::Config realtimeChip(int units, int baud) {
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.secondUnit = units == 2;
    config.elm327Settings.timing.realtime = true;
    config.baud = baud;
    return config;
}

// Requests per second of the watch's cycles: from its heading (the connection is done) to its
// last cycle.
double watchRate(int units, int baud, bool answerCount) {
    PtyElm elm(realtimeChip(units, baud));
    elm.start();
    LineClock clock;
    QTextStream out(&clock);
    QString errors;
    QTextStream err(&errors);
    CliTuning tuning;
    tuning.answerCount = answerCount;
    QStringList arguments{"--port", elm.slavePath(), "watch"};
    arguments << kPids << "--count" << QString::number(kCycles);
    if (runCli(arguments, out, err, tuning) != 0 || clock.lines.size() != kCycles + 1) {
        qWarning("watch failed: %s", qPrintable(errors));
        return 0;
    }
    const std::chrono::duration<double> span = clock.lines.back() - clock.lines.front();
    return kCycles * kPids.size() / span.count();
}

// The same requests with the count, bare on the device: the chip's and the line's share alone.
double floorRate(int units, int baud) {
    PtyElm elm(realtimeChip(units, baud));
    elm.start();
    RawDevice device(elm.slavePath());
    device.roundTrip("ATE0\r");
    device.roundTrip("0100\r"); // the protocol search
    const QByteArray digit = QByteArray::number(units);
    QElapsedTimer timer;
    timer.start();
    for (int cycle = 0; cycle < kCycles; ++cycle)
        for (const QString& pid : kPids)
            device.roundTrip("01" + pid.toLatin1() + digit + '\r');
    return kCycles * kPids.size() / (timer.nsecsElapsed() / 1e9);
}

void BM_WatchThroughRealtimeElm327(benchmark::State& state) {
    const int units = int(state.range(0));
    const int baud = int(state.range(1));
    double counted = 0, plain = 0, floor = 0;
    for (auto _ : state) {
        counted = watchRate(units, baud, true);
        plain = watchRate(units, baud, false);
        floor = floorRate(units, baud);
    }
    state.counters["with_count_per_s"] = counted;
    state.counters["without_count_per_s"] = plain;
    state.counters["floor_per_s"] = floor;
    state.counters["count_over_plain"] = plain > 0 ? counted / plain : 0;
    state.counters["count_share_of_floor"] = floor > 0 ? counted / floor : 0;
}
BENCHMARK(BM_WatchThroughRealtimeElm327)
    ->ArgNames({"units", "baud"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 38400})
    ->Args({2, 38400})
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
