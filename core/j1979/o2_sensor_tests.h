#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

class CommandLink;

// An oxygen sensor present in the vehicle: its position text and its bit in PID 13 (bit 0 is bank
// 1 sensor 1, bit 7 bank 2 sensor 4).
struct O2SensorLocation {
    QString text;
    int mask = 0;
};

// The sensors present, or nothing when the vehicle did not say.
using O2SensorList = std::optional<QList<O2SensorLocation>>;

// Sends "0113"; the sensors whose bits are set, in rising bit order. Nothing (not read) when the
// answer lacks "4113" or its byte. A non-hexadecimal byte throws HexConversionError.
O2SensorList o2SensorLocations(CommandLink& link);

// A CAN vehicle (ISO 15765-4) has no service 05: it reports its oxygen-sensor monitors through
// service 06, which the program does not read. Asking it the ten tests would only collect ten
// refusals.
bool reportsO2TestsThroughService06(const CommandLink& link);

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
// Otherwise status is "0" and the texts are empty; all four are empty for a test that was not
// asked because the vehicle has no service 05.
struct O2TestResult {
    QString status;
    QString value;
    QString minimum;
    QString maximum;
};

// Service 05, oxygen sensor monitoring test results.
class Service05 {
public:
    // Asks for the ten tests of the sensor whose location mask is given ("05", the test ID, the
    // sensor number 01..08 from the lowest bit set), one exchange per test. A mask without a
    // sensor bit asks nothing and gives ten failed rows; a CAN vehicle is asked nothing and gives
    // ten empty rows.
    std::array<O2TestResult, O2TestCount> readO2SensorTests(CommandLink& link,
                                                            int sensorMask) const;
};
