#include "ui/pages/grid_column_fit.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

// The cell delegates draw text 2 pixels inside the cell, at the left or the right edge; the rest
// keeps the text clear of the next column's grid line.
constexpr int kCellPadding = 6;

int textWidth(const QFontMetrics& metrics, const QString& text) {
    return text.isEmpty() ? 0 : metrics.horizontalAdvance(text) + kCellPadding;
}

int cellNeeds(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? textWidth(grid->fontMetrics(), item->text()) : 0;
}

int headingNeeds(const QTableWidget* grid, int column) {
    const QTableWidgetItem* heading = grid->horizontalHeaderItem(column);
    // isHidden, not isVisible: headings are set before the window is first shown.
    if (heading == nullptr || grid->horizontalHeader()->isHidden())
        return 0;
    return textWidth(grid->horizontalHeader()->fontMetrics(), heading->text());
}

void widen(QTableWidget* grid, int column, int needed) {
    if (needed > grid->columnWidth(column))
        grid->setColumnWidth(column, needed);
}

} // namespace

int columnContentWidth(const QTableWidget* grid, int column) {
    int width = headingNeeds(grid, column);
    for (int row = 0; row < grid->rowCount(); ++row)
        width = std::max(width, cellNeeds(grid, row, column));
    return width;
}

void keepColumnsWideEnough(QTableWidget* grid) {
    // Each change measures only the cells it changed: a live grid rewrites its values many times
    // a second.
    QObject::connect(grid->model(), &QAbstractItemModel::dataChanged, grid,
                     [grid](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                         for (int column = topLeft.column(); column <= bottomRight.column();
                              ++column)
                             for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                                 widen(grid, column, cellNeeds(grid, row, column));
                     });
    QObject::connect(grid->model(), &QAbstractItemModel::headerDataChanged, grid,
                     [grid](Qt::Orientation orientation, int first, int last) {
                         if (orientation != Qt::Horizontal)
                             return;
                         for (int column = first; column <= last; ++column)
                             widen(grid, column, headingNeeds(grid, column));
                     });
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}
