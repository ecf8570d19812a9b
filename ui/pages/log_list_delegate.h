#pragma once

#include <QStyledItemDelegate>

// Draws a line of the init-Status list: the status mark 3 pixels in from the top-left corner, the
// text after it (or 2 pixels from the left without a mark), 3 pixels below the top; 19 pixels a
// line.
class LogListDelegate : public QStyledItemDelegate {
public:
    static constexpr int kItemHeight = 19;

    using QStyledItemDelegate::QStyledItemDelegate;

    // Where the text of a line starts, relative to its rectangle.
    static int textLeft(const QModelIndex& index);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
