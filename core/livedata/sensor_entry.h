#pragma once

#include <QList>
#include <QString>

// One live sensor of the connected vehicle: the catalogue fields of its PID, whether the vehicle
// supports it, and the last value the polling worker decoded for it. While polling runs the
// worker writes valueText and the ui thread reads it only in the hand-off.
struct LiveSensor {
    int pidNumber = 0; // 1..78; 0 for the placeholder
    QString pidCode;   // two upper-case hexadecimal digits
    QString name;      // in the language of the run
    QString metricUnit;
    QString englishUnit;
    double graphMin = 0.0;
    double graphMax = 0.0;
    QString valueText = QStringLiteral("0");
    bool liveSensor = false;
    bool supported = false;

    const QString& unit(bool english) const { return english ? englishUnit : metricUnit; }
};

// An item of a sensor list: the name it is shown by, and the entry (owned by SensorLists).
struct SensorListItem {
    QString displayName;
    LiveSensor* entry = nullptr;
};
using SensorList = QList<SensorListItem>;
