#pragma once

#include <QList>
#include <QString>
#include <array>

class CommandLink;

// An oxygen sensor present in the vehicle: its position text and its bit in PID 13 (bit 0 is bank
// 1 sensor 1, bit 7 bank 2 sensor 4).
struct O2SensorLocation {
    QString text;
    int mask = 0;
};

// Sends "0113"; the sensors whose bits are set, in rising bit order. Empty when the answer lacks
// "4113". A non-hexadecimal byte throws HexConversionError.
QList<O2SensorLocation> GetO2SensorLocations(CommandLink& link);

inline constexpr int O2TestCount = 10;

// One of the service 05 tests $01..$0A as the oxygen-sensor page lists it.
struct O2TestInfo {
    QString testId; // "$01".."$0A"
    QString description;
    QString unit; // "V" or "s"
};

// The ten tests, in the language of the run.
std::array<O2TestInfo, O2TestCount> O2TestCatalogue();

// The result of one test for one sensor. status is "1" when the vehicle answered the test; then
// value and limits are display numbers in the test's unit (a limit the answer lacks stays empty).
// Otherwise status is "0" and the texts are empty.
struct O2TestResult {
    QString status;
    QString value;
    QString minimum;
    QString maximum;
};

// Service 05, oxygen sensor monitoring test results.
class TMode05 {
public:
    // Asks for the ten tests of the sensor whose location mask is given ("05", the test ID, the
    // sensor number 01..08 from the lowest bit set), one exchange per test. A mask without a
    // sensor bit asks nothing and gives ten failed rows.
    std::array<O2TestResult, O2TestCount> ReadO2SensorTests(CommandLink& link,
                                                            int sensorMask) const;
};
