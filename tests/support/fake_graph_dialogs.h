#pragma once

// Answers the chart's save and print questions without a dialog: by default the user cancels.

#include "ui/pages/sensor_graph_dialogs.h"

#include <functional>

struct FakeGraphDialogs : SensorGraphDialogs {
    std::function<QString(const QString& suggested)> pictureFile = [](const QString&) {
        return QString();
    };
    std::function<bool(QPrinter& printer)> printer = [](QPrinter&) { return false; };

    QString choosePictureFile(const QString& suggested) override { return pictureFile(suggested); }
    bool choosePrinter(QPrinter& printer) override { return this->printer(printer); }
};
