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

    // The entry of a sensor key (PidInfo::key(): the PID number for single values), or null.
    LiveSensor* entryOf(int key) const;
};

// After a connection: one entry per catalogue value with its supported flag; every supported
// live sensor monitored in catalogue order, the other live sensors of PIDs 01..4E not supported.
// Values above 4E are offered only when the vehicle has them (its PID supported and, where byte
// A tells, the value's bit set): a car of 2005 gets no list of a hundred parameters it never
// had. Must not run while the polling worker runs.
void buildSensorLists(SensorLists& lists, const PidCatalogue& catalogue,
                      const SupportedPidSet& supported);
