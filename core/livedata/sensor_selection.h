#pragma once

#include "core/livedata/sensor_entry.h"

#include <QStringList>

// The sensor choice being edited on the sensor options tab: the three lists as their list boxes
// show them. Nothing here touches the applied lists of the polling worker.
struct SensorSelection {
    SensorList monitored;
    SensorList supported;
    SensorList notSupported;
};

// Moves the items at the rows (in any order; repeated or out-of-range rows are ignored) to the end
// of the target, in their order in the source. Nothing happens without a row.
void moveSensorRows(SensorList& from, SensorList& to, const QList<int>& rows);

// Moves monitored items back: a supported sensor to the end of the supported list, the others to
// the end of the not-supported list.
void moveMonitoredBack(SensorSelection& selection, const QList<int>& rows);
void moveAllMonitoredBack(SensorSelection& selection);

// Moves the item at row `from` to row `to` of the same list, the others closing up. A `to` outside
// the list (a drop below the last item) moves it to the end. False when nothing moved.
bool moveSensorWithin(SensorList& list, int from, int to);

// Makes the PID codes the monitored list, in their order: every monitored item goes back first,
// then each code takes its item from the supported list, else from the not-supported list. Codes
// that name no item there, and repeated codes, are skipped. Returns the number of items taken.
int loadSensorSelection(SensorSelection& selection, const QStringList& pidCodes);

// The PID codes of a list, in its order.
QStringList pidCodesOf(const SensorList& list);
