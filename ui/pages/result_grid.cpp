#include "ui/pages/result_grid.h"

#include "ui/pages/grid_column_fit.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

QTableWidget* createResultGrid(const QString& name, const ResultGridStyle& style, QWidget* parent) {
    auto* grid = new QTableWidget(1, int(style.columnWidths.size()), parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setShowGrid(style.gridLines);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(style.rowHeight);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setVisible(style.headingRow);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setFixedHeight(style.rowHeight);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < style.columnWidths.size(); ++column) {
        grid->setColumnWidth(column, style.columnWidths[column]);
        grid->setHorizontalHeaderItem(column, new QTableWidgetItem(QString()));
    }
    grid->setStyleSheet(QStringLiteral("QTableWidget { background: #F0F0F0; gridline-color: "
                                       "#C0C0C0; } QHeaderView::section { background: #DFDFDF; "
                                       "border: 0px; border-right: 1px solid #C0C0C0; "
                                       "padding-left: 2px; }"));
    keepColumnsWideEnough(grid);
    return grid;
}

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* cell = grid->item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void setCellText(QTableWidget* grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = grid->item(row, column))
        cell->setText(text);
    else
        grid->setItem(row, column, new QTableWidgetItem(text));
}

void setFillingColumnWidth(QTableWidget* grid, int column, int width) {
    // A box narrower than the fixed columns leaves the column at nothing rather than negative; a
    // text wider than the box keeps the column wide enough to read it (the grid scrolls).
    grid->setColumnWidth(column, std::max({width, 0, columnContentWidth(grid, column)}));
}

void resetRows(QTableWidget* grid, int rows) {
    grid->clearContents();
    grid->setRowCount(std::max(rows, 1));
}

QFrame* createResultBox(QWidget* parent) {
    auto* box = new QFrame(parent);
    box->setObjectName(QStringLiteral("resultBox"));
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Raised);
    box->setLineWidth(1);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, QColor(0xDF, 0xDF, 0xDF));
    box->setPalette(pal);
    return box;
}

QLabel* createBoxHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(8);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* createCodeLegend(QWidget* parent) {
    // The letters the codes begin with.
    return new QLabel(QStringLiteral("P - Powertrain, C - Chassis, B - Body, U - Network"), parent);
}
