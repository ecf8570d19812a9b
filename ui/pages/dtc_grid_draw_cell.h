#pragma once

#include <QStyledItemDelegate>

class QTableWidget;

// DTC_GridDrawCell: every cell of the three trouble-code grids (stored, pending, freeze-frame
// code). Column 0 carries the status of the whole list, decided by the first code: the failure
// mark on every row while codes are listed, the success mark on the single "P0000" row, and the
// failure mark on the single row of a list that could not be read (see showCodesNotRead).
class DtcGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Writes a cell's text 2 pixels in from its left (or, right-aligned, its right) edge and 2 below
// its top, clipped to the cell, in the grid's text colour.
void drawCellText(QPainter* painter, const QStyleOptionViewItem& option, const QString& text,
                  bool rightAligned);

// One row without a code, the message in the description column and the failure mark: the
// vehicle did not answer, which must never look like a vehicle without codes.
void showCodesNotRead(QTableWidget* grid, const QString& message);
