#pragma once

#include "core/j1979/supported_pids.h"
#include "core/livedata/sensor_entry.h"

#include <memory>
#include <vector>

// The sensor entries of the connected vehicle and the three lists that choose among them. The
// lists refer to the entries without owning them; the entries live until the next build.
struct SensorLists {
    SensorLists();

    std::vector<std::unique_ptr<LiveSensor>> entries;
    // Polled and shown, in display order: the table rows, the graph choices, the log columns.
    SensorList MonitoredSensors;
    // Live sensors that are not monitored, by whether the vehicle supports them.
    SensorList SupportedSensors;
    SensorList NotSupportedSensors;
    // Stands for "no sensor" in the graph selectors; in no list.
    LiveSensor PlaceholderSensor;

    // The entry of a PID number, or null when there is none.
    LiveSensor* entryOf(int pidNumber) const;
};

// After a connection: one entry per catalogue PID (01..4E) with its supported flag; every
// supported live sensor monitored in PID order, the other live sensors not supported. Must not
// run while the polling worker runs.
void buildSensorLists(SensorLists& lists, const PidCatalogue& catalogue,
                      const SupportedPidSet& supported);
