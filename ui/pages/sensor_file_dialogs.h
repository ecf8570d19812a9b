#pragma once

#include <QString>

// Where "Sensor Options" saves the monitored sensors to and opens them from. The tab opens the
// file dialogs itself; tests answer instead (tests/support/fake_sensor_file_dialogs.h).
struct SensorFileDialogs {
    virtual ~SensorFileDialogs() = default;
    // Opened in the folder; an empty name when the user cancels.
    virtual QString chooseSaveFile(const QString& folder) = 0;
    virtual QString chooseOpenFile(const QString& folder) = 0;
};
