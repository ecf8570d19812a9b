#pragma once

#include "core/l10n/grid_headings.h"

#include <QList>
#include <QWidget>

struct O2SensorLocation;
struct ProgramContext;
class QComboBox;
class QTableWidget;
class QWidget;
class TQzO2SensorGraph;

// "Page_O2Sensors": the oxygen sensors of the vehicle, the ten service 05 tests of the chosen one,
// and the diagram that shows what each test measures.
class O2SensorPage : public QWidget, public GridHeadingSink {
    Q_OBJECT
public:
    explicit O2SensorPage(ProgramContext& context, QWidget* parent = nullptr);

    // The sensors the connection found; the first is selected.
    void showO2SensorLocations(const QList<O2SensorLocation>& locations);

    // "OK": reads the tests of the selected sensor into the grid. Without a sensor nothing is read.
    void dxButton11Click();
    // The choice counts from the next "OK" on.
    void cbO2SensLocChange() {}
    void gridO2_PanelResize();
    void setGridHeadings(const GridHeadingTexts& texts) override;

    QTableWidget* grid() const { return m_grid; }
    TQzO2SensorGraph* graph() const { return m_graph; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTestBox();
    QWidget* buildGraphBox();
    // Keeps the report's record of the grid and the chosen sensor up to date with what is shown.
    void recordShown();

    ProgramContext& m_context;
    QComboBox* m_locations = nullptr;
    QWidget* m_gridPanel = nullptr;
    QTableWidget* m_grid = nullptr;
    TQzO2SensorGraph* m_graph = nullptr;
};
