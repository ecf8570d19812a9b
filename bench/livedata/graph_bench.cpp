// The ui thread's part of the graph and dashboard tabs, and the sensor-file reader:
//
// - the graph hand-off (two series of 51 points from a long history, the displays, the slider)
//   and the chart drawn, since the worker waits for both in every cycle;
// - the dashboard hand-off with the four gauges and two readouts drawn;
// - reading the largest sensor file accepted, of overlong lines and of many repeated codes, and
//   loading a selection from it: both must stay linear in the file.

#include "core/connection/program_context.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/user_notifier.h"
#include "core/livedata/sensor_file.h"
#include "core/livedata/sensor_lists.h"
#include "core/livedata/sensor_selection.h"
#include "ui/pages/dashboard_tab.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/sensor_graph_tab.h"

#include <QApplication>
#include <QChartView>
#include <QPainter>
#include <QTabWidget>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

class QuietNotifier : public UserNotifier {
public:
    void showMessage(Icon, const QString&) override {}
    void setBusy(bool) override {}
};

SupportedPidSet allSupported() {
    SupportedPidSet set{};
    for (std::size_t n = 0; n < std::size_t(CataloguePidCount); ++n)
        set[n] = true;
    return set;
}

// A graph hand-off over a history of range(0) samples, with (range(1) = 1) and without drawing.
void BM_GraphHandOff(benchmark::State& state) {
    ProgramContext context;
    QuietNotifier notifier;
    SensorDataPage page(context, notifier);
    page.resize(900, 600);
    page.show();
    page.tabs()->setCurrentIndex(1);
    QApplication::processEvents();
    LiveData& data = page.liveData();
    for (int i = 0; i < state.range(0); ++i)
        data.history.append({double(i % 8000), double(i % 215)});
    auto* view = page.graphTab()->findChild<QChartView*>(QStringLiteral("SensorChart"));
    QImage target(view->size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : state) {
        data.seriesReadings[0] = {double(++n), QStringLiteral("-"), QString::number(n)};
        data.history.append({double(n % 8000), double(n % 215)});
        page.graphHandOff();
        if (state.range(1) != 0) {
            QPainter painter(&target);
            view->render(&painter);
        }
    }
}
BENCHMARK(BM_GraphHandOff)
    ->ArgNames({"history", "drawn"})
    ->Args({100, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_DashboardHandOff(benchmark::State& state) {
    ProgramContext context;
    QuietNotifier notifier;
    SensorDataPage page(context, notifier);
    page.resize(900, 600);
    page.show();
    page.tabs()->setCurrentIndex(2);
    QApplication::processEvents();
    DashboardValues& board = page.liveData().dashboard;
    QImage target(page.dashboardTab()->size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : state) {
        ++n;
        board[DashboardValues::EngineSpeed].valueText = QString::number(800 + n % 5000);
        board[DashboardValues::VehicleSpeed].valueText = QString::number(n % 200);
        board[DashboardValues::CoolantTemperature].valueText = QString::number(n % 120);
        board[DashboardValues::Load].valueText = QString::number(n % 100) + QStringLiteral(".5");
        page.dashboardHandOff();
        QPainter painter(&target);
        page.dashboardTab()->render(&painter);
    }
}
BENCHMARK(BM_DashboardHandOff)->Unit(benchmark::kMicrosecond);

// The largest file accepted: one overlong line (range 0), or every line a repeated code.
QByteArray largestFile(bool overlong) {
    QByteArray bytes;
    if (overlong) {
        bytes = QByteArray(kSensorFileMaxBytes - 4, 'x') + "\n0C\n";
    } else {
        while (bytes.size() + 4 <= kSensorFileMaxBytes)
            bytes += "0C\r\n";
    }
    return bytes;
}

void BM_ParseSensorFile(benchmark::State& state) {
    const QByteArray bytes = largestFile(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(parseSensorFile(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseSensorFile)->ArgName("overlong")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every live sensor named in a file, in reverse order, loaded into the lists of a vehicle that
// supports them all.
void BM_LoadSelection(benchmark::State& state) {
    SensorLists lists;
    buildSensorLists(lists, buildPidCatalogue(), allSupported());
    QStringList codes = pidCodesOf(lists.MonitoredSensors);
    std::reverse(codes.begin(), codes.end());
    for (auto _ : state) {
        SensorSelection selection{lists.MonitoredSensors, {}, lists.NotSupportedSensors};
        benchmark::DoNotOptimize(loadSensorSelection(selection, codes));
    }
}
BENCHMARK(BM_LoadSelection)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
