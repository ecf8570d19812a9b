#pragma once

#include "ui/widgets/log_plot_painter.h"

#include <QWidget>
#include <memory>

struct LogTable;

// The interactive picture of a log: the wheel or Up/Down zooms about the mouse or the cursor,
// a drag or Left/Right pans, a click places the cursor, Shift+Left/Right steps it from record to
// record, Home shows the whole log.
class LogPlot : public QWidget {
    Q_OBJECT
public:
    explicit LogPlot(QWidget* parent = nullptr);

    // Shows the log from start to end with no series; the table must outlive the plot's use.
    void setLog(std::shared_ptr<const LogTable> table, const QString& title);
    void setSeries(const std::vector<int>& series);
    const LogPlotView& view() const { return m_view; }
    const LogTable* log() const { return m_table.get(); }

    void setSpan(double from, double to);
    void zoom(double factor, double anchor);
    void pan(double fraction);
    void showAll();
    void setCursorTime(double t);
    void stepCursor(int records);

Q_SIGNALS:
    // The span or the cursor moved.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double timeAtX(double x) const;
    double logEnd() const;

    std::shared_ptr<const LogTable> m_table;
    LogPlotView m_view;
    double m_dragStartX = 0;
    double m_dragStartFrom = 0;
    bool m_dragging = false;
    bool m_moved = false;
};
