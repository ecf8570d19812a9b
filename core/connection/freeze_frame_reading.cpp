#include "core/connection/freeze_frame_reading.h"

#include "core/j1979/mode02.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/supported_pids.h"

FreezeFrameReading ReadFreezeFrameData(CommandLink& link, const TMode02& mode02, bool english) {
    FreezeFrameReading reading;
    reading.codes = mode02.GetFreezeFrameCode(link);
    // PID 01 (monitor status) has no value of its own in a frame; 4E is the last catalogue PID.
    for (int number = 2; number <= CataloguePidCount; ++number) {
        const TSensorData& entry = FreezeFrameCatalogue[std::size_t(number - 1)];
        if (!entry.liveSensor || !IsSupported(mode02.supportedPids(), entry.pidCode))
            continue;
        const QString value = mode02.GetFreezeFrameValue(link, QStringLiteral("02"), entry.pidCode,
                                                         english, QStringLiteral("00"));
        reading.rows.append(
            {entry.pidCode, entry.name, value, english ? entry.englishUnit : entry.metricUnit});
    }
    return reading;
}
