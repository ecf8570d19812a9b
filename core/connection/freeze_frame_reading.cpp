#include "core/connection/freeze_frame_reading.h"

#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service02.h"
#include "core/j1979/supported_pids.h"

#include <algorithm>

FreezeFrameReading readFreezeFrameData(CommandLink& link, const Service02& service02,
                                       const PidCatalogue& catalogue, bool english) {
    FreezeFrameReading reading;
    reading.codes = service02.freezeFrameCode(link);
    // PID 01 (monitor status) has no value of its own in a frame.
    for (int number = 2; number <= LastCataloguePid; ++number) {
        const std::span<const PidInfo> entries = catalogue.valuesOf(number);
        const bool shown = std::any_of(entries.begin(), entries.end(),
                                       [](const PidInfo& entry) { return entry.liveSensor; });
        if (!shown || !service02.supportedPids()[std::size_t(number - 1)])
            continue;
        const QList<PidValue> values = service02.freezeFrameValues(link, entries.front().pidCode,
                                                                   english, QStringLiteral("00"));
        for (const PidInfo& entry : entries) {
            const PidValue value = values.value(entry.subValue);
            if (!entry.liveSensor || entry.markedAbsentBy(value))
                continue;
            reading.rows.append({entry.pidCode, entry.name, value, entry.valueUnit(english)});
        }
    }
    return reading;
}
