// Live data through an ELM327 that keeps real time (elmsim --chip elm327 --realtime, control
// units answering in 10 ms, adaptive timing as the program sets it), one PID a request:
// `quorvane-cli watch 0C 0D 05 --count 100` with the answer count and without it, beside the floor
// the emulated chip and line impose (the same requests with the right count sent bare on the
// device, nothing in between). One and two control units; the line unpaced and paced at 38400
// baud, the usual speed of the adapters. Then the mixed car: two units, of which the transmission
// answers only 04 05 0C 0D, watched for 0C 0D 05 0F 10 11, so that half the PIDs get fewer answers
// than units. Rates in requests per second, and their ratios from the same run.
//
// Last, twelve PIDs at 38400 baud, six a request against one a request: values per second.

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
// The transmission of the two-unit car reports 04 05 0C 0D as well.
const QStringList kMixedPids{"0C", "0D", "05", "0F", "10", "11"};
// Twelve PIDs the full profile's car supports.
const QStringList kTwelvePids{"0C", "0D", "05", "04", "0F", "11",
                              "06", "07", "0E", "10", "1F", "2F"};
int unitsAnswering(const QString& pid, int units) {
    static const QStringList shared{"04", "05", "0C", "0D"};
    return units == 2 && shared.contains(pid) ? 2 : 1;
}

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
    config.profile = QStringLiteral("full");
    config.elm327 = true;
    config.elm327Settings.secondUnit = units == 2;
    config.elm327Settings.timing.realtime = true;
    config.baud = baud;
    return config;
}

// Values per second of the watch's cycles: from its heading (the connection is done) to its
// last cycle; with one PID a request, requests per second.
double watchRate(int units, int baud, bool answerCount, const QStringList& pids = kPids,
                 bool grouped = false) {
    PtyElm elm(realtimeChip(units, baud));
    elm.start();
    LineClock clock;
    QTextStream out(&clock);
    QString errors;
    QTextStream err(&errors);
    CliTuning tuning;
    tuning.answerCount = answerCount;
    tuning.groupedRequests = grouped;
    QStringList arguments{"--port", elm.slavePath(), "watch"};
    arguments << pids << "--count" << QString::number(kCycles);
    if (runCli(arguments, out, err, tuning) != 0 || clock.lines.size() != kCycles + 1) {
        qWarning("watch failed: %s", qPrintable(errors));
        return 0;
    }
    const std::chrono::duration<double> span = clock.lines.back() - clock.lines.front();
    return kCycles * pids.size() / span.count();
}

// The same requests with the count, bare on the device: the chip's and the line's share alone.
double floorRate(int units, int baud, const QStringList& pids = kPids) {
    PtyElm elm(realtimeChip(units, baud));
    elm.start();
    RawDevice device(elm.slavePath());
    device.roundTrip("ATE0\r");
    device.roundTrip("0100\r"); // the protocol search
    QElapsedTimer timer;
    timer.start();
    for (int cycle = 0; cycle < kCycles; ++cycle)
        for (const QString& pid : pids)
            device.roundTrip("01" + pid.toLatin1() +
                             QByteArray::number(unitsAnswering(pid, units)) + '\r');
    return kCycles * pids.size() / (timer.nsecsElapsed() / 1e9);
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

void BM_MixedCarThroughRealtimeElm327(benchmark::State& state) {
    double counted = 0, floor = 0;
    for (auto _ : state) {
        counted = watchRate(2, 0, true, kMixedPids);
        floor = floorRate(2, 0, kMixedPids);
    }
    state.counters["with_count_per_s"] = counted;
    state.counters["floor_per_s"] = floor;
    state.counters["count_share_of_floor"] = floor > 0 ? counted / floor : 0;
}
BENCHMARK(BM_MixedCarThroughRealtimeElm327)->Iterations(1)->Unit(benchmark::kSecond);

void BM_TwelvePidsGroupedAt38400(benchmark::State& state) {
    const int units = int(state.range(0));
    double grouped = 0, single = 0;
    for (auto _ : state) {
        grouped = watchRate(units, 38400, true, kTwelvePids, true);
        single = watchRate(units, 38400, true, kTwelvePids, false);
    }
    state.counters["grouped_values_per_s"] = grouped;
    state.counters["single_values_per_s"] = single;
    state.counters["grouped_over_single"] = single > 0 ? grouped / single : 0;
}
BENCHMARK(BM_TwelvePidsGroupedAt38400)
    ->ArgName("units")
    ->Arg(1)
    ->Arg(2)
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
