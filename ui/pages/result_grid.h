#pragma once

#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QTableWidget;
class QWidget;

// The look every result grid shares: light grey background, grey fixed cells, whole-row
// selection, read-only cells that the program draws itself. A grid with a heading row shows it
// as its column header; its value rows are the table's rows from 0.
struct ResultGridStyle {
    QList<int> columnWidths;
    int rowHeight = 19;
    bool gridLines = false;
    bool headingRow = false;
};

QTableWidget* createResultGrid(const QString& name, const ResultGridStyle& style, QWidget* parent);

// Cell access that treats a cell without an item as empty.
QString cellText(const QTableWidget* grid, int row, int column);
void setCellText(QTableWidget* grid, int row, int column, const QString& text);

// The width of the column that takes what the other columns leave of the grid's box, or the
// width of its widest text when that is more.
void setFillingColumnWidth(QTableWidget* grid, int column, int width);

// Empties every cell and sets the row count; a grid always keeps at least one row.
void resetRows(QTableWidget* grid, int rows);

// The bevelled grey box that holds a grid on the result pages, and its bold heading.
QFrame* createResultBox(QWidget* parent);
QLabel* createBoxHeading(const QString& text, QWidget* parent);

// The legend under the trouble-code grids.
QLabel* createCodeLegend(QWidget* parent);
