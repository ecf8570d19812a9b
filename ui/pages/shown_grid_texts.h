#pragma once

#include "core/connection/shown_results.h"

class QTableWidget;

// What a page's grid shows, as the record the report reads. A page calls these right after it
// has displayed something, so the record always holds the grid's current texts.

// Code (column 1), description (column 2) and control unit (column 3, where the grid has one) of
// every row of a trouble-code grid.
ShownCodeGrid shownCodeGridOf(const QTableWidget* grid, ReadState state);

// PID, name, value and unit of every value row of the freeze-frame grid.
QList<ShownFreezeFrameRow> shownFreezeFrameRowsOf(const QTableWidget* grid);

// The heading texts and every row of a grid, all columns.
QStringList shownHeadingOf(const QTableWidget* grid);
QList<QStringList> shownRowsOf(const QTableWidget* grid);
