#pragma once

// Answers the sensor-file dialogs without a dialog: by default the user cancels.

#include "ui/pages/sensor_file_dialogs.h"

#include <functional>

struct FakeSensorFileDialogs : SensorFileDialogs {
    std::function<QString(const QString& folder)> saveFile = [](const QString&) {
        return QString();
    };
    std::function<QString(const QString& folder)> openFile = [](const QString&) {
        return QString();
    };

    QString chooseSaveFile(const QString& folder) override { return saveFile(folder); }
    QString chooseOpenFile(const QString& folder) override { return openFile(folder); }
};
