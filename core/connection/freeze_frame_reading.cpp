#include "core/connection/freeze_frame_reading.h"

#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service02.h"
#include "core/j1979/supported_pids.h"

FreezeFrameReading readFreezeFrameData(CommandLink& link, const Service02& service02,
                                       const PidCatalogue& catalogue, bool english) {
    FreezeFrameReading reading;
    reading.codes = service02.freezeFrameCode(link);
    // PID 01 (monitor status) has no value of its own in a frame; 4E is the last catalogue PID.
    for (int number = 2; number <= CataloguePidCount; ++number) {
        const PidInfo& entry = catalogue.pid(number);
        if (!entry.liveSensor || !isSupported(service02.supportedPids(), entry.pidCode))
            continue;
        const PidValue value = service02.freezeFrameValue(link, QStringLiteral("02"), entry.pidCode,
                                                          english, QStringLiteral("00"));
        reading.rows.append({entry.pidCode, entry.name, value, entry.valueUnit(english)});
    }
    return reading;
}
