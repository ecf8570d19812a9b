#include "ui/pages/shown_grid_texts.h"

#include "ui/pages/result_grid.h"

#include <QTableWidget>

ShownCodeGrid shownCodeGridOf(const QTableWidget* grid, ReadState state) {
    ShownCodeGrid shown;
    shown.state = state;
    shown.rows.clear();
    for (int row = 0; row < grid->rowCount(); ++row)
        shown.rows.append({cellText(grid, row, 1), cellText(grid, row, 2), cellText(grid, row, 3)});
    return shown;
}

QList<ShownFreezeFrameRow> shownFreezeFrameRowsOf(const QTableWidget* grid) {
    QList<ShownFreezeFrameRow> rows;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows.append({cellText(grid, row, 0), cellText(grid, row, 1), cellText(grid, row, 2),
                     cellText(grid, row, 3)});
    return rows;
}

QStringList shownHeadingOf(const QTableWidget* grid) {
    QStringList heading;
    for (int column = 0; column < grid->columnCount(); ++column) {
        const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
        heading << (item != nullptr ? item->text() : QString());
    }
    return heading;
}

QList<QStringList> shownRowsOf(const QTableWidget* grid) {
    QList<QStringList> rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < grid->columnCount(); ++column)
            texts << cellText(grid, row, column);
        rows.append(texts);
    }
    return rows;
}
