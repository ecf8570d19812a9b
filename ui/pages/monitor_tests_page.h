#pragma once

#include "core/j1979/monitor_tests.h"

#include <QList>
#include <QWidget>

struct ProgramContext;
class MisfireChart;
class QLabel;
class QListWidget;
class QTableWidget;
class UserNotifier;

// "Monitor Tests": the on-board monitoring test results (service 06) of the vehicle. A list of
// the monitors that answered, the tests of the chosen one with their limits and verdicts, a
// summary line over all tests, and the misfire counts of every cylinder as a chart below the grid.
class MonitorTestsPage : public QWidget {
    Q_OBJECT
public:
    MonitorTestsPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);

    // "Read": reads every supported monitor; without a connection the no-communication message
    // is shown and the page keeps what it showed.
    void onReadClicked();
    // Back to the state before any reading: no monitors, no tests, no summary, no bars.
    void forgetVehicle();

    QListWidget* monitorList() const { return m_monitors; }
    QTableWidget* grid() const { return m_grid; }
    MisfireChart* chart() const { return m_chart; }

protected:
    // The texts of the translation pass are in place once the page is first shown.
    void showEvent(QShowEvent* event) override;

private:
    // One entry of the list: the results of one monitor (older protocols: one component) of
    // one control unit.
    struct Monitor {
        QString unitKey;
        int mid = -1;
        int componentId = -1;
        QList<MonitorTestResult> results;
    };

    void showReading(const QList<MonitorTestResult>& results, bool anything);
    void showMonitor(int index);
    void applyHeadings();
    QString monitorText(const Monitor& monitor, bool severalUnits) const;

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    QListWidget* m_monitors = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_summary = nullptr;
    MisfireChart* m_chart = nullptr;
    QList<Monitor> m_read;
};
