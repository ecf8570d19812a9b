#pragma once

#include "core/j1979/sensor_catalogue.h"

#include <QList>
#include <QString>

// One live sensor of the connected vehicle: what its PID is (a copy of the catalogue's entry, so
// the sensor outlives any rebuild of the catalogue), whether the vehicle supports it, and the last
// value the polling worker decoded for it. While polling runs the worker writes valueText and the
// ui thread reads it only in the hand-off.
struct LiveSensor {
    PidInfo pid;         // pidNumber 0 for the placeholder
    QString valueText{}; // empty until the first reading: no value is not a value of 0
    bool supported = false;
};

// An item of a sensor list: the name it is shown by, and the entry (owned by SensorLists).
struct SensorListItem {
    QString displayName;
    LiveSensor* entry = nullptr;
};
using SensorList = QList<SensorListItem>;
