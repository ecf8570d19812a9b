#include "ui/pages/striped_grid_delegate.h"

#include "ui/pages/dtc_grid_draw_cell.h"
#include "ui/widgets/pictures.h"

#include <QPainter>

StripedGridDelegate::StripedGridDelegate(QList<int> rightAlignedColumns, int markColumn,
                                         QObject* parent)
    : QStyledItemDelegate(parent), m_rightAligned(std::move(rightAlignedColumns)),
      m_markColumn(markColumn) {}

void StripedGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    // The heading row is the grid's header, so value row 0 here is the grid's first odd row.
    const bool odd = index.row() % 2 == 0;
    painter->fillRect(option.rect, odd ? QColor(0xF0, 0xF0, 0xF0) : QColor(0xF9, 0xF9, 0xF9));
    const QString text = index.data().toString();
    if (index.column() == m_markColumn) {
        // An empty status is a test that was never asked (a vehicle without it): no mark.
        if (text.isEmpty())
            return;
        const QString mark =
            text == QLatin1String("1") ? QStringLiteral("BMP_OK") : QStringLiteral("BMP_ERROR");
        painter->drawPixmap(option.rect.topLeft() + QPoint(1, 2), picture(mark, QSize(15, 13)));
        return;
    }
    drawCellText(painter, option, text, m_rightAligned.contains(index.column()));
}
