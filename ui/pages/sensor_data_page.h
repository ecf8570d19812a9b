#pragma once

#include "core/l10n/grid_headings.h"
#include "core/livedata/live_data.h"

#include <QWidget>
#include <exception>
#include <functional>
#include <memory>

struct ProgramContext;
class DashboardTab;
class DataLogBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class SegmentDisplay;
class SensorGraphTab;
class SensorOptionsTab;
class SensorPolling;
class SensorThread;
class UserNotifier;

// "Page_Sensordaten": live engine data. Its tabs hold the sensor table with its data-logging bar,
// the real-time graph, the dashboard and the sensor options; below them the "Samples" counter
// with "Reset", and "Read" and "Stop", which start and stop the polling worker.
// The page owns the live-data state and the worker.
class SensorDataPage : public QWidget, public GridHeadingSink {
    Q_OBJECT
public:
    SensorDataPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);
    ~SensorDataPage() override;

    // After a connection: the sensor lists of the vehicle, then the table.
    void buildSensorLists(const SupportedPidSet& supported);
    // Back to the state before any connection: no sensor lists, an empty table, no samples and
    // no graph history.
    void forgetVehicle();
    // The table's rows from the monitored list; one log record while recording.
    void refreshSensorTable();
    // If the worker runs: asks it to stop and handles events until it has ended.
    void stopPollingAndWait();

    void onStartPollingClicked();
    void onStopPollingClicked();
    void onResetClicked();
    void onTabChanged();
    void fitSensorColumns();
    void setGridHeadings(const GridHeadingTexts& texts) override;

    // The ui side of every hand-off: shows the cycle the worker has just written.
    void onCycleReady();
    // The graph and dashboard sides of the hand-off and of "Reset".
    void graphHandOff();
    void dashboardHandOff();
    void graphReset();

    // At start-up, once the texts are translated, and at every change of the unit system.
    void showDashboardTexts(bool english);
    void setUnitSystem(bool english);
    // The graph options: line width and colour of series 1 or 2.
    void setGraphWidth(int graph, int width);
    void setGraphColour(int graph, const QColor& colour);

    LiveData& liveData() { return m_data; }
    SensorThread& sensorThread() { return *m_thread; }
    DataLogBar* dataLog() const { return m_log; }
    QTabWidget* tabs() const { return m_tabs; }
    QTableWidget* grid() const { return m_grid; }
    SegmentDisplay* counter() const { return m_counter; }
    // The tab pages that the graph, dashboard and sensor-option controls go on.
    SensorGraphTab* graphTab() const { return m_graph; }
    DashboardTab* dashboardTab() const { return m_dashboard; }
    SensorOptionsTab* optionsTab() const { return m_sensorOptions; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTableTab();
    QWidget* buildBottomBar();
    void onPollingStarted();
    void onPollingFinished(std::exception_ptr error);
    QStringList monitoredNames() const;

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    LiveData m_data;
    std::unique_ptr<SensorPolling> m_polling;
    std::unique_ptr<SensorThread> m_thread;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_gridPanel = nullptr;
    QTableWidget* m_grid = nullptr;
    DataLogBar* m_log = nullptr;
    SegmentDisplay* m_counter = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_stop = nullptr;
    SensorGraphTab* m_graph = nullptr;
    DashboardTab* m_dashboard = nullptr;
    SensorOptionsTab* m_sensorOptions = nullptr;
};
