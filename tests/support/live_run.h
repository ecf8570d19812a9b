#pragma once

// The live-data page of a program run with what its tests read and steer: the polling counter,
// the graph selectors and history, the data-log folder and clock, and the error boxes it raised.

#include "core/livedata/sensor_thread.h"
#include "tests/support/error_boxes.h"
#include "tests/support/fake_graph_dialogs.h"
#include "tests/support/log_file.h"
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"
#include "ui/pages/dashboard_tab.h"
#include "ui/pages/data_log_bar.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/sensor_graph_tab.h"
#include "ui/widgets/segment_display.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLineSeries>

struct LiveRun : ProgramRun {
    // The data log's clock: the file name and the time column are known in advance.
    static inline const QDateTime Clock{QDate(2024, 3, 9), QTime(14, 3, 7)};

    SensorDataPage* page = window->sensorDataPage();
    SensorGraphTab* graph = page->graphTab();
    DashboardTab* dashboard = page->dashboardTab();
    QString logFolder = test_env::freshDir("sensor-logs");
    // Error boxes are modal; they are read and closed as the user would.
    ErrorBoxes errorBoxes;
    QStringList& boxes = errorBoxes.texts;
    // The graph's file and printer choosers, answered by the test.
    FakeGraphDialogs dialogs;

    LiveRun() {
        graph->setDialogs(dialogs);
        page->dataLog()->folder = [this] { return logFolder; };
        page->dataLog()->now = [] { return Clock; };
    }
    // The window closes while boxes are still being closed: shut-down may report a pulled port.
    ~LiveRun() { window.reset(); }

    int samples() const { return page->counter()->text().toInt(); }
    void pollUntilSamples(int count) {
        while (page->sensorThread().isPolling() && samples() < count)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void waitUntilStopped() {
        while (page->sensorThread().isPolling())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // The lines of the newest data-log file.
    QStringList csvLines() const {
        const QStringList files = QDir(logFolder).entryList({"*.csv"}, QDir::Files, QDir::Name);
        return files.isEmpty() ? QStringList() : readCrLfLines(logFolder + "/" + files.last());
    }
    // Picks the selector item of a PID code as the user does.
    void choose(int graphNumber, const QString& pidCode) {
        QComboBox* box = graph->selector(graphNumber);
        const int row = pidCode.isEmpty() ? 0 : box->findText(nameOf(pidCode));
        ASSERT_GE(row, 0) << pidCode.toStdString();
        box->setCurrentIndex(row);
        Q_EMIT box->activated(row);
    }
    QString nameOf(const QString& pidCode) const {
        for (const SensorListItem& item : page->liveData().lists.MonitoredSensors)
            if (item.entry->pid.pidCode == pidCode)
                return item.displayName;
        return {};
    }
    // Samples with known values, as polling would have left them.
    void keepSamples(int count) {
        page->liveData().history.clear();
        for (int i = 0; i < count; ++i)
            page->liveData().history.append({double(i), double(1000 + i)});
    }
    static QList<double> xs(const QLineSeries* series) {
        QList<double> x;
        for (const QPointF& p : series->points())
            x << p.x();
        return x;
    }
};
