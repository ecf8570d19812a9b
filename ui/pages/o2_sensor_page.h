#pragma once

#include "core/j1979/o2_sensor_tests.h"
#include "core/l10n/grid_headings.h"

#include <QList>
#include <QWidget>

struct ProgramContext;
class QComboBox;
class QTableWidget;
class QWidget;
class O2SensorGraph;
class UserNotifier;

// "Page_O2Sensors": the oxygen sensors of the vehicle, the ten service 05 tests of the chosen one,
// and the diagram that shows what each test measures.
class O2SensorPage : public QWidget, public GridHeadingSink {
    Q_OBJECT
public:
    O2SensorPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);

    // The sensors the connection found; the first is selected.
    void showO2SensorLocations(const QList<O2SensorLocation>& locations);
    // Back to the state before any reading: no sensor to choose, the grid's fixed texts only.
    void forgetVehicle();

    // "OK": reads the tests of the selected sensor into the grid. Without a sensor nothing is
    // read; without a connection the no-communication message is shown. A CAN vehicle has no
    // service 05: the user is told so and the rows are left empty.
    void onReadO2TestsClicked();
    // The choice counts from the next "OK" on.
    void onO2SensorChanged() {}
    void fitO2Columns();
    void setGridHeadings(const GridHeadingTexts& texts) override;

    QTableWidget* grid() const { return m_grid; }
    O2SensorGraph* graph() const { return m_graph; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTestBox();
    QWidget* buildGraphBox();
    void showResults(const std::array<O2TestResult, O2TestCount>& results);
    // Keeps the report's record of the grid and the chosen sensor up to date with what is shown.
    void recordShown();

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    QComboBox* m_locations = nullptr;
    QWidget* m_gridPanel = nullptr;
    QTableWidget* m_grid = nullptr;
    O2SensorGraph* m_graph = nullptr;
    // The status column as the headings give it, shown until a test is read.
    std::array<QString, O2TestCount> m_statusBeforeReading;
};
