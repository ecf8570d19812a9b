// The oxygen-sensor readers: the sensor locations of PID 13 and the ten service 05 tests.

#include "core/j1979/hex_conversions.h"
#include "core/j1979/o2_sensor_tests.h"
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_target.h"

QUORVANE_FUZZ_TARGET(oxygen_sensors) {
    if (input.isEmpty())
        return;
    const int mask = quint8(input[0]);
    try {
        FuzzLink link(input.sliced(1), false);
        const O2SensorList sensors = o2SensorLocations(link);
        fuzzRequire(!sensors || sensors->size() <= 8, "at most eight sensors");
        const auto results = Service05().readO2SensorTests(link, mask);
        for (const O2TestResult& r : results)
            fuzzRequire(r.status == QLatin1String("0") || r.status == QLatin1String("1"),
                        "a test either answered or not");
    } catch (const HexConversionError&) {
    }
}
