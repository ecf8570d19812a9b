#include "core/livedata/sensor_lists.h"

#include "core/j1979/sensor_catalogue.h"

SensorLists::SensorLists() {
    PlaceholderSensor.pidCode = QStringLiteral("00");
    PlaceholderSensor.name = QStringLiteral("<--->");
    PlaceholderSensor.liveSensor = true;
}

LiveSensor* SensorLists::entryOf(int pidNumber) const {
    for (const auto& entry : entries)
        if (entry->pidNumber == pidNumber)
            return entry.get();
    return nullptr;
}

void buildSensorLists(SensorLists& lists, const SupportedPidSet& supported) {
    lists.MonitoredSensors.clear();
    lists.SupportedSensors.clear();
    lists.NotSupportedSensors.clear();
    lists.entries.clear();
    for (int index = 0; index < CataloguePidCount; ++index) {
        PidInfo& catalogue = sensorCatalogue[std::size_t(index)];
        const bool isSupported = supported[std::size_t(index)];
        catalogue.supported = isSupported;
        auto entry = std::make_unique<LiveSensor>();
        entry->pidNumber = index + 1;
        entry->pidCode = QStringLiteral("%1").arg(index + 1, 2, 16, QLatin1Char('0')).toUpper();
        entry->name = catalogue.name;
        entry->metricUnit = catalogue.metricUnit;
        entry->englishUnit = catalogue.englishUnit;
        entry->graphMin = catalogue.graphMin;
        entry->graphMax = catalogue.graphMax;
        entry->liveSensor = catalogue.liveSensor;
        entry->supported = isSupported;
        if (entry->liveSensor) {
            SensorList& list = isSupported ? lists.MonitoredSensors : lists.NotSupportedSensors;
            list.append({catalogue.name, entry.get()});
        }
        lists.entries.push_back(std::move(entry));
    }
}
