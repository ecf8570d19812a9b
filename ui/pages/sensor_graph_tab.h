#pragma once

#include "core/livedata/sensor_entry.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

struct LiveData;
struct GraphWindow;
class QChart;
class QChartView;
class QComboBox;
class QFrame;
class QLabel;
class QLineSeries;
class QPrinter;
class QSlider;
class QValueAxis;
class SegmentDisplay;
struct SensorGraphDialogs;

// "Real Time Data": two sensors plotted against the sample number, the red series on the left
// axis and the blue one on the right, each with its selector, a segment display of its latest
// number and a caption panel for a text that is no number. Under the chart the history slider,
// usable while polling is stopped, and the buttons that save the chart as a picture and print it.
class SensorGraphTab : public QWidget {
    Q_OBJECT
public:
    explicit SensorGraphTab(LiveData& data, QWidget* parent = nullptr);
    ~SensorGraphTab() override;

    // Whether the polling worker runs; the slider only pages while it does not.
    std::function<bool()> polling;
    std::function<bool()> english;
    // The questions before a save or a print; the tab's own dialogs unless replaced. The
    // replacement outlives the tab.
    void setDialogs(SensorGraphDialogs& dialogs) { m_dialogs = &dialogs; }
    std::function<QString()> graphsFolder;

    // The selectors: the placeholder first, then the monitored sensors. After a connection both
    // show the placeholder, after "Apply" nothing; neither runs a change handler. The positions
    // the series remember are forgotten, so that the next choice always takes effect.
    void fillSelectors(const SensorList& monitored, bool selectPlaceholder);

    void cbSD1Change();
    void cbSD2Change();
    void graphHandOff();
    void graphReset();
    void onHistorySliderMoved();
    void onSaveChartClicked();
    void onPrintChartClicked();

    // The graph options: line width 1..5 and colour of series 1 or 2.
    void setGraphWidth(int graph, int width);
    void setGraphColour(int graph, const QColor& colour);

    // The chart at its current size on a white background, as it is saved.
    QImage chartPicture() const;

    QChart* chart() const { return m_chart; }
    QLineSeries* series(int graph) const { return m_sides[graph - 1].series; }
    QValueAxis* bottomAxis() const { return m_bottom; }
    QValueAxis* axis(int graph) const { return m_sides[graph - 1].axis; }
    // The title of a series' axis as text (the chart is given it as rich text).
    QString axisTitle(int graph) const { return m_sides[graph - 1].title; }
    QComboBox* selector(int graph) const { return m_sides[graph - 1].selector; }
    QSlider* slider() const { return m_slider; }

Q_SIGNALS:
    // A new sensor in a series asks for the page's "Reset": counter, chart and history.
    void resetRequested();

private:
    struct Side {
        QComboBox* selector = nullptr;
        SegmentDisplay* display = nullptr;
        QLabel* caption = nullptr;
        QFrame* digiPanel = nullptr;
        QFrame* captionPanel = nullptr;
        QLineSeries* series = nullptr;
        QValueAxis* axis = nullptr;
        QString title;
        // The selector position last applied; -1 after a refill: any choice takes effect.
        int appliedPosition = 0;
    };

    QWidget* buildSensorPanel(int graph, QWidget* parent);
    void buildChart();
    void sensorChosen(int graph);
    void showWindow(const GraphWindow& window);
    void printChart(QPrinter& printer) const;
    void setAxisTitle(Side& side, const QString& title);

    LiveData& m_data;
    std::unique_ptr<SensorGraphDialogs> m_ownDialogs;
    SensorGraphDialogs* m_dialogs = nullptr;
    Side m_sides[2];
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QValueAxis* m_bottom = nullptr;
    QSlider* m_slider = nullptr;
};
