// The log viewer's goals for a two-hour drive at ten records a second of twelve series (72,000
// rows, as the window's data log quotes them, with millisecond times as a recording has):
//
// - opening it (reading the file and every column) well under a second;
// - the first picture of the whole drive, and the redraws of a pan and a zoom, fast enough that
//   dragging and the wheel never stutter (a frame of 60 Hz is 16 ms);
// - the cursor's statistics over the visible span.

#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"
#include "ui/widgets/log_plot_painter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int kRows = 72000;
constexpr int kSeries = 12;
const QSize kScreen(1600, 1000);

QByteArray driveLog() {
    QByteArray text = "\"Time\"";
    for (int s = 0; s < kSeries; ++s)
        text += ",\"Sensor " + QByteArray::number(s + 1) + ", Bank 1\"";
    text += "\r\n";
    for (int row = 0; row < kRows; ++row) {
        const int ms = 8 * 3600000 + row * 100;
        text += QStringLiteral("\"%1:%2:%3.%4\"")
                    .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
                    .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
                    .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
                    .arg(ms % 1000, 3, 10, QLatin1Char('0'))
                    .toLatin1();
        for (int s = 0; s < kSeries; ++s) {
            if ((row + s) % 997 == 0) {
                text += ",\"Error\"";
                continue;
            }
            const double v = 100 * std::sin(row / (50.0 + 20 * s)) + s * 10 + (row % 7) * 0.3;
            text += ",\"" + QByteArray::number(v, 'f', 3) + " V, trim: 0.0 %\"";
        }
        text += "\r\n";
    }
    return text;
}

const QString& logPath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.path() + "/drive.csv";
        QFile file(p);
        if (!file.open(QIODevice::WriteOnly) || file.write(driveLog()) < 0)
            qFatal("cannot write the benchmark log");
        return p;
    }();
    return path;
}

LogPlotView wholeView(const LogTable& table) {
    LogPlotView view;
    view.to = table.times.back();
    for (int s = 0; s < kSeries; ++s)
        view.series.push_back(s);
    view.cursor = view.to / 2;
    return view;
}

void BM_OpenLog(benchmark::State& state) {
    const QString& path = logPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(readLogFile(path).rowCount());
    state.counters["MiB"] = double(QFile(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_OpenLog)->Unit(benchmark::kMillisecond);

void BM_FirstDraw(benchmark::State& state) {
    const LogTable table = readLogFile(logPath());
    const LogPlotView view = wholeView(table);
    QImage image(kScreen, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintLogPlot(painter, QRectF(QPointF(0, 0), QSizeF(kScreen)), table, view);
    }
}
BENCHMARK(BM_FirstDraw)->Unit(benchmark::kMillisecond);

// range(0): the visible span in seconds; each redraw moves it by a tenth, as a drag does.
void BM_PanRedraw(benchmark::State& state) {
    const LogTable table = readLogFile(logPath());
    LogPlotView view = wholeView(table);
    const double span = double(state.range(0));
    QImage image(kScreen, QImage::Format_RGB32);
    double from = 0;
    for (auto _ : state) {
        from = from + span / 10 > view.to - span ? 0 : from + span / 10;
        view.from = from;
        view.to = from + span;
        QPainter painter(&image);
        paintLogPlot(painter, QRectF(QPointF(0, 0), QSizeF(kScreen)), table, view);
    }
}
BENCHMARK(BM_PanRedraw)->Arg(60)->Arg(600)->Arg(3600)->Unit(benchmark::kMillisecond);

// Wheel steps in and out again about the middle of the drive.
void BM_ZoomRedraw(benchmark::State& state) {
    const LogTable table = readLogFile(logPath());
    LogPlotView view = wholeView(table);
    const double end = view.to, middle = end / 2;
    QImage image(kScreen, QImage::Format_RGB32);
    double span = end;
    double factor = 0.8;
    for (auto _ : state) {
        span *= factor;
        if (span < 10 || span > end)
            factor = 1 / factor;
        view.from = middle - span / 2;
        view.to = middle + span / 2;
        QPainter painter(&image);
        paintLogPlot(painter, QRectF(QPointF(0, 0), QSizeF(kScreen)), table, view);
    }
}
BENCHMARK(BM_ZoomRedraw)->Unit(benchmark::kMillisecond);

void BM_SpanStatistics(benchmark::State& state) {
    const LogTable table = readLogFile(logPath());
    for (auto _ : state) {
        const auto [first, last] = rowsBetween(table, 0, table.times.back());
        for (const LogSeries& series : table.series)
            benchmark::DoNotOptimize(spanStats(series, first, last).mean);
    }
}
BENCHMARK(BM_SpanStatistics)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
