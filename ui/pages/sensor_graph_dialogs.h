#pragma once

#include <QString>

class QPrinter;

// What "Real Time Data" asks the user before it saves or prints the chart. The tab opens the
// file and print dialogs itself; tests answer instead (tests/support/fake_graph_dialogs.h).
struct SensorGraphDialogs {
    virtual ~SensorGraphDialogs() = default;
    // The picture's file name, offered the suggestion; empty when the user cancels.
    virtual QString choosePictureFile(const QString& suggested) = 0;
    virtual bool choosePrinter(QPrinter& printer) = 0;
};
