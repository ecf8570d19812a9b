#pragma once

#include <QWidget>

struct DashboardValues;
class AnalogGauge;
class DotMatrixDisplay;
class QCheckBox;

// "Dashboard": gauges of vehicle speed, engine speed, coolant temperature and load on black,
// dot-matrix readouts of the two speeds, and a check box per gauge that switches its polling on
// and off.
class DashboardTab : public QWidget {
    Q_OBJECT
public:
    explicit DashboardTab(DashboardValues& dashboard, QWidget* parent = nullptr);

    // After a dashboard cycle: each enabled entry moves its gauge (and readout); an entry the
    // vehicle turned off ("N/A") clears its check box and leaves gauge and readout as they were.
    void dashboardHandOff();
    // Back to the state before any reading: every value empty, the gauges at rest, the readouts
    // off. Which gauges are switched on stays the user's choice.
    void forgetVehicle();
    // The captions and readouts in the language of the run, and the scales of the unit system;
    // at start-up, once the texts are translated.
    void showTexts(bool english);
    // The speed and temperature scales of the unit system; the other two keep theirs.
    void setUnitSystem(bool english);

    void onSpeedGaugeToggled();
    void onRpmGaugeToggled();
    void onCoolantGaugeToggled();
    void onLoadGaugeToggled();

    AnalogGauge* gauge(int entry) const { return m_gauges[entry]; }
    QCheckBox* checkBox(int entry) const { return m_boxes[entry]; }

private:
    void boxClicked(int entry);

    DashboardValues& m_dashboard;
    // By the entries of DashboardValues: vehicle speed, engine speed, coolant temperature, load.
    AnalogGauge* m_gauges[4] = {};
    QCheckBox* m_boxes[4] = {};
    DotMatrixDisplay* m_speedDisplay = nullptr;
    DotMatrixDisplay* m_rpmDisplay = nullptr;
};
