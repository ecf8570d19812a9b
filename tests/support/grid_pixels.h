#pragma once

#include "ui/widgets/pictures.h"

#include <QImage>
#include <QTableWidget>

// One cell of a grid as the grid paints it.
inline QImage renderedCell(QTableWidget* grid, int row, int column) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    return grid->viewport()->grab(cell).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the status picture appears at the offset: every opaque pixel of the picture is there.
inline bool showsMark(const QImage& cell, QPoint offset, const QString& pictureName) {
    const QImage mark =
        picture(pictureName, QSize(15, 13)).toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x) {
            const QRgb pixel = mark.pixel(x, y);
            if (qAlpha(pixel) != 255)
                continue;
            ++opaque;
            if (cell.pixel(offset.x() + x, offset.y() + y) != (pixel | 0xFF000000u))
                return false;
        }
    return opaque > 0;
}

// The leftmost column of the cell that holds a pixel other than the background's.
inline int firstInkColumn(const QImage& cell, QRgb background) {
    for (int x = 0; x < cell.width(); ++x)
        for (int y = 0; y < cell.height(); ++y)
            if ((cell.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                return x;
    return -1;
}
