#include "core/livedata/sensor_lists.h"

#include "core/j1979/sensor_catalogue.h"

SensorLists::SensorLists() {
    PlaceholderSensor.pid.pidCode = QStringLiteral("00");
    PlaceholderSensor.pid.name = QStringLiteral("<--->");
    PlaceholderSensor.pid.liveSensor = true;
}

LiveSensor* SensorLists::entryOf(int key) const {
    for (const auto& entry : entries)
        if (entry->pid.key() == key)
            return entry.get();
    return nullptr;
}

void buildSensorLists(SensorLists& lists, const PidCatalogue& catalogue,
                      const SupportedPidSet& supported) {
    lists.MonitoredSensors.clear();
    lists.SupportedSensors.clear();
    lists.NotSupportedSensors.clear();
    lists.entries.clear();
    for (const PidInfo& pid : catalogue.entries()) {
        const bool isSupported = pid.presentIn(supported);
        if (pid.pidNumber > CataloguePidCount && !isSupported)
            continue;
        auto entry = std::make_unique<LiveSensor>(LiveSensor{.pid = pid, .supported = isSupported});
        if (pid.liveSensor) {
            SensorList& list = isSupported ? lists.MonitoredSensors : lists.NotSupportedSensors;
            list.append({pid.name, entry.get()});
        }
        lists.entries.push_back(std::move(entry));
    }
}
