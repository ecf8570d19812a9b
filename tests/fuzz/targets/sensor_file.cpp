// Sensor files (.sen) opened from the sensors folder: anything may have been saved there.

#include "core/livedata/sensor_file.h"
#include "tests/fuzz/fuzz_target.h"

#include <QSet>

QUORVANE_FUZZ_TARGET(sensor_file) {
    const SensorFileContent content = parseSensorFile(input.toByteArray());
    if (content.problem != SensorFileContent::Problem::None) {
        fuzzRequire(content.pidCodes.isEmpty(), "a refused file gives no sensors");
        return;
    }
    QSet<QString> seen;
    for (const QString& code : content.pidCodes) {
        fuzzRequire(code.size() == 2, "a code is two characters");
        for (QChar c : code)
            fuzzRequire((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                            (c >= QLatin1Char('A') && c <= QLatin1Char('F')),
                        "a code is upper-case hexadecimal");
        fuzzRequire(!seen.contains(code), "each code once");
        seen.insert(code);
    }
    // What is read is written back the same way and reads back the same.
    fuzzRequire(parseSensorFile(formatSensorFile(content.pidCodes)).pidCodes == content.pidCodes,
                "a saved list opens as it was");
}
