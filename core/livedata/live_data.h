#pragma once

#include "core/livedata/dashboard.h"
#include "core/livedata/graph_history.h"
#include "core/livedata/sensor_lists.h"

#include <QString>
#include <array>
#include <atomic>

// The tabs of the live-data page; the polling worker's cycle depends on the one active.
enum class SensorTab { Table = 0, Graph = 1, Dashboard = 2, Options = 3 };

// What a graph cycle made of one series' text: the number plotted, and what the series' caption
// panel and segment display show ("-" on the side that does not apply).
struct SeriesReading {
    double value = 0.0;
    QString caption = QStringLiteral("-");
    QString display = QStringLiteral("0,00");
};

// The live-data state the polling worker and the ui thread share. The worker reads the tab, the
// monitored list, the series PIDs and the dashboard's enabled flags; it writes the sensors'
// value texts, the series readings and the dashboard texts, which the ui thread reads in the
// hand-off while the worker waits. What the ui thread may change while the worker runs is atomic
// or locked (the history).
struct LiveData {
    SensorLists lists;
    GraphHistory history;
    // The sensors (PidInfo::key()) of the red and the blue graph series; 0: no sensor.
    std::atomic<int> SeriesPid1{0};
    std::atomic<int> SeriesPid2{0};
    std::array<SeriesReading, 2> seriesReadings;
    DashboardValues dashboard;
    std::atomic<int> activeTab{int(SensorTab::Table)};
};
