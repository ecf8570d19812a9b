#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The fixed texts of the result grids, in the language of the run. The pages own the grids and
// receive these once the string table is translated.
struct GridHeadingTexts {
    // Row 0 of SensorDataGrid, columns 0 to 5.
    QStringList sensorTable;
    // Row 0 of gridFreezeFrames, columns 0 to 3.
    QStringList freezeFrame;
    // Row 0 of gridO2, columns 0 to 6.
    QStringList o2Grid;
    // Rows 1 to 10 of gridO2: column 0 status "0", 1 test ID, 2 description, 6 unit. The value
    // columns 3 to 5 are not fixed texts and are left to the readings.
    struct O2TestRow {
        QString status;
        QString testId;
        QString description;
        QString unit;
    };
    std::array<O2TestRow, 10> o2TestRows;
};

// Implemented by the pages that hold the grids.
class GridHeadingSink {
public:
    virtual ~GridHeadingSink() = default;
    virtual void setGridHeadings(const GridHeadingTexts& texts) = 0;
};

// The texts from the current entries of the string table.
GridHeadingTexts gridHeadingTexts();
