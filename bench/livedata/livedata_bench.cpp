// The sensor table polled through the emulated interface on a pseudo-terminal, as the Sensor Data
// page runs it: 10 monitored sensors, the worker, the hand-off, the table refresh and a data-log
// record per cycle.
//
// - Paced (elmsim --baud 9600 --latency 30): samples per second against the line bound, which is
//   the request and answer bytes at 960 bytes/s plus 30 ms per request. Beside it, elmsim's own
//   floor: raw round trips of the same requests against the same pacing.
// - Unpaced: the cost of a cycle above its exchanges (hand-off, refresh, record), as the
//   difference between a polled cycle and the bare exchanges of one cycle, measured alternately.

#include "bench/link/raw_device.h"
#include "core/connection/program_context.h"
#include "core/l10n/user_notifier.h"
#include "core/link/elm_commands.h"
#include "core/link/serial_port.h"
#include "core/livedata/sensor_polling.h"
#include "core/livedata/sensor_thread.h"
#include "core/settings/data_dirs.h"
#include "tools/elmsim/pty_elm.h"
#include "ui/pages/data_log_bar.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/widgets/segment_display.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

// CPU seconds of the whole process (worker, ui thread and the emulator's thread) or of the
// calling thread: unlike wall time, not lengthened by other programs on a busy machine.
double cpuSeconds(clockid_t clock) {
    timespec ts{};
    ::clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

class QuietNotifier : public UserNotifier {
public:
    void showMessage(Icon, const QString&) override {}
    void setBusy(bool) override {}
};

// The demo vehicle's first ten supported live sensors.
const char* const kPids[] = {"03", "04", "05", "06", "07", "0C", "0D", "0E", "0F", "10"};

SupportedPidSet tenSensors() {
    SupportedPidSet set{};
    for (const char* pid : kPids)
        set[std::size_t(QString::fromLatin1(pid).toInt(nullptr, 16) - 1)] = true;
    return set;
}

// The page connected to an emulated interface, recording to a temporary folder.
struct PolledPage {
    PtyElm elm;
    ProgramContext context;
    QuietNotifier notifier;
    SensorDataPage page{context, notifier};
    QTemporaryDir logs;

    explicit PolledPage(const PtyElm::Config& config) : elm(config) {
        elm.start();
        context.comPort = std::make_unique<SerialPort>();
        context.comPort->setPortName(elm.slavePath());
        context.comPort->open();
        context.link.setChannel(context.comPort.get());
        elmEcho(context.link, false);
        context.connection.setConnected(true);
        page.buildSensorLists(tenSensors());
        page.dataLog()->folder = [this] { return logs.path(); };
        page.dataLog()->onRecordClicked();
    }
    ~PolledPage() { page.dataLog()->onStopRecordingClicked(); }

    int samples() const { return page.counter()->text().toInt(); }
    // Polls until the counter has risen by count + 1; returns the seconds of the last count
    // cycles, from the first cycle shown to the last (the start of polling left out).
    double poll(int count) {
        const int start = samples();
        page.onStartPollingClicked();
        while (samples() < start + 1)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto t0 = Clock::now();
        while (samples() < start + 1 + count)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto t1 = Clock::now();
        page.stopPollingAndWait();
        return std::chrono::duration<double>(t1 - t0).count();
    }
};

PtyElm::Config pacedLine() {
    PtyElm::Config config;
    config.baud = 9600;
    config.latencyMs = 30;
    return config;
}

// Bytes on the line for one cycle of the ten sensors: each request with its carriage return and
// its answer up to the prompt (echo off), as the unpaced emulator prints them.
int lineBytesPerCycle() {
    PtyElm elm({});
    elm.start();
    RawDevice raw(elm.slavePath());
    raw.roundTrip("ATE0\r");
    int bytes = 0;
    for (const char* pid : kPids) {
        const QByteArray request = "01" + QByteArray(pid) + "\r";
        bytes += int(request.size()) + raw.roundTrip(request);
    }
    return bytes;
}

void BM_TableTabPacedAgainstLineBound(benchmark::State& state) {
    const int bytes = lineBytesPerCycle();
    const double boundSeconds = bytes / 960.0 + 10 * 0.030;
    PolledPage polled(pacedLine());
    double seconds = 0;
    int cycles = 0;
    for (auto _ : state) {
        seconds += polled.poll(int(state.range(0)));
        cycles += int(state.range(0));
    }
    const double rate = cycles / seconds;
    state.counters["line_bytes_per_cycle"] = bytes;
    state.counters["samples_per_s"] = rate;
    state.counters["bound_per_s"] = 1.0 / boundSeconds;
    state.counters["of_bound_pct"] = 100.0 * rate * boundSeconds;
}
BENCHMARK(BM_TableTabPacedAgainstLineBound)->Arg(8)->Iterations(1)->Unit(benchmark::kSecond);

// elmsim's own floor on the same line: the ten requests as raw round trips.
void BM_ElmsimFloorAgainstLineBound(benchmark::State& state) {
    const int bytes = lineBytesPerCycle();
    const double boundSeconds = bytes / 960.0 + 10 * 0.030;
    PtyElm elm(pacedLine());
    elm.start();
    RawDevice raw(elm.slavePath());
    raw.roundTrip("ATE0\r");
    double seconds = 0;
    int cycles = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (const char* pid : kPids)
            raw.roundTrip("01" + QByteArray(pid) + "\r");
        seconds += std::chrono::duration<double>(Clock::now() - t0).count();
        ++cycles;
    }
    state.counters["cycle_ms"] = 1000.0 * seconds / cycles;
    state.counters["bound_ms"] = 1000.0 * boundSeconds;
    state.counters["of_bound_pct"] = 100.0 * boundSeconds * cycles / seconds;
}
BENCHMARK(BM_ElmsimFloorAgainstLineBound)->Iterations(8)->Unit(benchmark::kMillisecond);

// Unpaced: a polled cycle (worker, exchanges, hand-off, table refresh, log record) against the
// ten exchanges alone on the same link, alternating in chunks so that load from elsewhere hits
// both alike.
void BM_CycleCostAboveTheExchanges(benchmark::State& state) {
    PolledPage polled({});
    SensorPolling bare(polled.context.link, polled.page.liveData(), [] { return false; });
    StopSignal never;
    const int chunk = 200;
    double polledSeconds = 0, bareSeconds = 0, polledCpu = 0, bareCpu = 0, handOffCpu = 0;
    int cycles = 0;
    // CPU time the ui thread spends showing each cycle.
    SensorThread& thread = polled.page.sensorThread();
    QObject::disconnect(&thread, &SensorThread::cycleReady, &polled.page, nullptr);
    QObject::connect(
        &thread, &SensorThread::cycleReady, &polled.page,
        [&] {
            const double t0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
            polled.page.onCycleReady();
            handOffCpu += cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - t0;
        },
        Qt::DirectConnection);
    for (auto _ : state) {
        double c0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        polledSeconds += polled.poll(chunk);
        double c1 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        polledCpu += c1 - c0;
        const auto t0 = Clock::now();
        for (int i = 0; i < chunk; ++i)
            bare.runCycle(int(SensorTab::Table), never);
        bareSeconds += std::chrono::duration<double>(Clock::now() - t0).count();
        bareCpu += cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - c1;
        cycles += chunk;
    }
    const int shown = polled.samples();
    // The hand-off alone: cycles that ask nothing (an empty monitored list).
    polled.page.liveData().lists.MonitoredSensors.clear();
    const double e0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double emptySeconds = polled.poll(2000);
    state.counters["empty_cycle_us"] = 1e6 * emptySeconds / 2000;
    state.counters["empty_cycle_cpu_us"] = 1e6 * (cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - e0) / 2000;
    state.counters["cycle_us"] = 1e6 * polledSeconds / cycles;
    state.counters["exchanges_us"] = 1e6 * bareSeconds / cycles;
    state.counters["above_us"] = 1e6 * (polledSeconds - bareSeconds) / cycles;
    state.counters["cpu_above_us"] = 1e6 * (polledCpu - bareCpu) / cycles;
    state.counters["handoff_cpu_us"] = 1e6 * handOffCpu / shown;
}
BENCHMARK(BM_CycleCostAboveTheExchanges)->Iterations(10)->Unit(benchmark::kMillisecond);

// The ui thread's part of a hand-off for the table: the refresh of ten rows whose values changed,
// with and without the log record.
void BM_TableRefresh(benchmark::State& state) {
    ProgramContext context;
    QuietNotifier notifier;
    SensorDataPage page(context, notifier);
    QTemporaryDir logs;
    page.dataLog()->folder = [&logs] { return logs.path(); };
    page.buildSensorLists(tenSensors());
    if (state.range(0) != 0)
        page.dataLog()->onRecordClicked();
    int n = 0;
    for (auto _ : state) {
        const QString value = QString::number(++n);
        for (const SensorListItem& item : page.liveData().lists.MonitoredSensors)
            item.entry->valueText = value;
        page.refreshSensorTable();
    }
    page.dataLog()->onStopRecordingClicked();
}
BENCHMARK(BM_TableRefresh)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
