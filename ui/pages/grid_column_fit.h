#pragma once

class QTableWidget;

// Every text a result grid shows stays readable: a column grows to the widest text written into
// it (its heading included) as the texts arrive, and the grid scrolls sideways when the columns
// no longer fit its box. Columns never shrink below the width they were given.
void keepColumnsWideEnough(QTableWidget* grid);

// The width the column's texts and heading need, drawn 2 pixels inside their cells.
int columnContentWidth(const QTableWidget* grid, int column);
