#include "core/j1979/o2_sensor_tests.h"

#include "core/j1979/display_number.h"
#include "core/j1979/response_fields.h"
#include "core/j1979/state_texts.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"

namespace {

// Scaling of each test's counts and the format of its numbers: threshold and cycle voltages,
// switch times, time between transitions and sensor period.
struct O2TestRule {
    const QString* description;
    const QString* unit;
    double perCount;
    const char* format;
};

constexpr double voltsPerCount = 0.005;
constexpr double switchSecondsPerCount = 0.004;
constexpr double periodSecondsPerCount = 0.04;

std::array<O2TestRule, O2TestCount> testRules() {
    using namespace const_str;
    return {{
        {&O2Test01, &UnitVolt, voltsPerCount, "%1.3f"},
        {&O2Test02, &UnitVolt, voltsPerCount, "%1.3f"},
        {&O2Test03, &UnitVolt, voltsPerCount, "%1.3f"},
        {&O2Test04, &UnitVolt, voltsPerCount, "%1.3f"},
        {&O2Test05, &UnitSeconds, switchSecondsPerCount, "%1.3f"},
        {&O2Test06, &UnitSeconds, switchSecondsPerCount, "%1.3f"},
        {&O2Test07, &UnitVolt, voltsPerCount, "%1.3f"},
        {&O2Test08, &UnitVolt, voltsPerCount, "%1.3f"},
        {&O2Test09, &UnitSeconds, periodSecondsPerCount, "%1.2f"},
        {&O2Test0A, &UnitSeconds, periodSecondsPerCount, "%1.2f"},
    }};
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// The scaled byte at the 1-based position, or an empty text when the answer ends before it.
QString scaledByte(const QString& answer, qsizetype position, const O2TestRule& rule) {
    if (position + 1 > answer.size()) {
        return {};
    }
    const double counts = double(response_fields::pairAt(answer, position));
    return display_number::format(rule.format, counts * rule.perCount);
}

O2TestResult readTest(CommandLink& link, int testId, const QString& sensor,
                      const O2TestRule& rule) {
    const QString tid = twoDigits(testId);
    const LinkAnswer reply = link.exchange(QStringLiteral("05") + tid + sensor);
    const O2TestResult failed{QStringLiteral("0"), {}, {}, {}};
    if (!reply) {
        return failed;
    }
    const QString& answer = *reply;
    const qsizetype header = answer.indexOf(QStringLiteral("45") + tid + sensor);
    if (header < 0) {
        return failed;
    }
    // Response code, test ID and sensor number take six characters; value, minimum and maximum
    // follow. Read behind the response found, so a second control unit cannot shift them.
    const qsizetype value = header + 7;
    O2TestResult result{QStringLiteral("1"), scaledByte(answer, value, rule),
                        scaledByte(answer, value + 2, rule), scaledByte(answer, value + 4, rule)};
    return result.value.isEmpty() ? failed : result;
}

} // namespace

O2SensorList o2SensorLocations(CommandLink& link) {
    const LinkAnswer answer = link.exchange(QStringLiteral("0113"));
    // The byte is read from the start of the answer, so the answer must reach that far.
    if (!answer || !answer->contains(QLatin1String("4113")) || answer->size() < 6) {
        return std::nullopt;
    }
    QList<O2SensorLocation> sensors;
    const qint64 present = response_fields::pairAt(*answer, 5);
    for (int bit = 0; bit < 8; ++bit) {
        if (present & (1 << bit)) {
            sensors.append({state_texts::o2Location(bit), 1 << bit});
        }
    }
    return sensors;
}

std::array<O2TestInfo, O2TestCount> O2TestCatalogue() {
    const auto rules = testRules();
    std::array<O2TestInfo, O2TestCount> tests;
    for (int k = 0; k < O2TestCount; ++k) {
        tests[size_t(k)] = {QLatin1Char('$') + twoDigits(k + 1), *rules[size_t(k)].description,
                            *rules[size_t(k)].unit};
    }
    return tests;
}

bool reportsO2TestsThroughService06(const CommandLink& link) {
    return link.canLayout();
}

std::array<O2TestResult, O2TestCount> Service05::readO2SensorTests(CommandLink& link,
                                                                   int sensorMask) const {
    std::array<O2TestResult, O2TestCount> results;
    if (reportsO2TestsThroughService06(link)) {
        results.fill({});
        return results;
    }
    results.fill({QStringLiteral("0"), {}, {}, {}});
    int sensorBit = 0;
    while (sensorBit < 8 && !(sensorMask & (1 << sensorBit))) {
        ++sensorBit;
    }
    if (sensorBit == 8) {
        return results;
    }
    const QString sensor = twoDigits(sensorBit + 1);
    const auto rules = testRules();
    for (int k = 0; k < O2TestCount; ++k) {
        results[size_t(k)] = readTest(link, k + 1, sensor, rules[size_t(k)]);
    }
    return results;
}
