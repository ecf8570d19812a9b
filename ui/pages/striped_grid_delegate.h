#pragma once

#include <QList>
#include <QStyledItemDelegate>

// The value rows of the freeze-frame and oxygen-sensor grids: rows alternating F0F0F0 and the
// lighter F9F9F9 (the first value row is the darker one), numbers right-aligned in their columns,
// and optionally a column whose text "1" or anything else is drawn as the success or failure
// mark instead of as text (an empty text: no mark, nothing was asked).
class StripedGridDelegate : public QStyledItemDelegate {
public:
    StripedGridDelegate(QList<int> rightAlignedColumns, int markColumn, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QList<int> m_rightAligned;
    int m_markColumn;
};
