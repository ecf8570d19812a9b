#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QPainter;
struct LogTable;

// What part of a log is drawn: a time span, the series (indexes into LogTable::series) from top
// to bottom, and where the cursor stands.
struct LogPlotView {
    double from = 0;
    double to = 1;
    std::vector<int> series;
    std::optional<double> cursor;
    QString title;
};

// The picture of a log: one strip per series, each on its own scale fitted to the visible span,
// all sharing one time axis since the start of the log; a legend above, axis titles, red marks
// under the records where a value is missing or "Error", and the cursor with each value. Where a
// pixel column holds many samples it draws their lowest and highest value, so the cost is bound
// by the width, never the length of the log. Needs only QtGui, for the window and the tool.
void paintLogPlot(QPainter& painter, const QRectF& area, const LogTable& table,
                  const LogPlotView& view);

// The part of area that the time axis spans; the window maps mouse positions through it.
QRectF logPlotDataArea(const QRectF& area);

// The colour of the n-th drawn series.
QColor logSeriesColour(int n);

// Write the picture atomically as PNG or SVG; an empty text on success, else the reason naming
// the file.
QString saveLogPlotPng(const QString& path, QSize size, const LogTable& table,
                       const LogPlotView& view);
QString saveLogPlotSvg(const QString& path, QSize size, const LogTable& table,
                       const LogPlotView& view);
