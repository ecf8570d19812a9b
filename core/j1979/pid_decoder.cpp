#include "core/j1979/pid_decoder.h"

#include "core/j1979/display_number.h"
#include "core/j1979/extended_pids.h"
#include "core/j1979/response_fields.h"
#include "core/j1979/state_texts.h"
#include "core/j1979/trouble_code_text.h"
#include "core/l10n/const_str.h"
#include "core/link/visible_text.h"

#include <QStringList>
#include <algorithm>

namespace pid_decoder {

namespace {

struct PidBytes {
    qint64 a = 0;
    qint64 b = 0;
    qint64 c = 0;
    qint64 d = 0;
    qint64 ab() const { return 256 * a + b; }
    qint64 cd() const { return 256 * c + d; }
};

using ValueFn = double (*)(const PidBytes&);
using EnglishFn = double (*)(double metric);
using TextFn = std::optional<QString> (*)(const PidBytes&);

// One rule covers the PIDs firstPid..lastPid. A numeric rule writes value() with metricFormat, or
// in English units toEnglish(value()) with englishFormat (no toEnglish: the metric text serves
// both systems). A text rule writes text() in both systems. A rule with byteCount 0 is never
// requested.
struct PidRule {
    int firstPid;
    int lastPid;
    int byteCount;
    ValueFn value;
    const char* metricFormat;
    EnglishFn toEnglish;
    const char* englishFormat;
    TextFn text;
};

// Conversion constants of the unit systems.
constexpr double kmPerMile = 1.609;
constexpr double psiPerKpa = 0.1450377;
constexpr double pascalPerInchOfWater = 249.089;
constexpr double inchesOfMercuryPerKpa = 0.2953;
constexpr double poundsPerMinutePerGramPerSecond = 0.1322774;

// Scalings of the data counts.
constexpr double kpaPerRailCount = 0.079;
constexpr double voltsPerWideRangeCount = 0.000122;
constexpr double ratioPerCount = 0.0000305;
constexpr double milliampPerCount = 0.00390625;
constexpr double voltsPerNarrowBandCount = 0.005;

double celsiusToFahrenheit(double celsius) {
    return 9.0 * celsius / 5.0 + 32.0;
}
double kmToMiles(double km) {
    return km / kmPerMile;
}
double kpaToPsi(double kpa) {
    return kpa * psiPerKpa;
}
double pascalToInchesOfWater(double pascal) {
    return pascal / pascalPerInchOfWater;
}
double kpaToInchesOfMercury(double kpa) {
    return kpa * inchesOfMercuryPerKpa;
}
double gramsToPoundsPerMinute(double gramsPerSecond) {
    return gramsPerSecond * poundsPerMinutePerGramPerSecond;
}

double byteA(const PidBytes& v) {
    return double(v.a);
}
double wordAB(const PidBytes& v) {
    return double(v.ab());
}
double aMinus40(const PidBytes& v) {
    return double(v.a - 40);
}
double percentOfA(const PidBytes& v) {
    return double(v.a * 100) / 255.0;
}
double percentOfAB(const PidBytes& v) {
    return double(v.ab() * 100) / 255.0;
}
double trimOfA(const PidBytes& v) {
    return double((v.a - 128) * 100) / 128.0;
}
double fuelPressure(const PidBytes& v) {
    return double(v.a * 3);
}
double quarterAB(const PidBytes& v) {
    return double(v.ab()) / 4.0;
}
double timingAdvance(const PidBytes& v) {
    return double(v.a) / 2.0 - 64.0;
}
double airFlow(const PidBytes& v) {
    return double(v.ab()) / 100.0;
}
double railPressureVacuum(const PidBytes& v) {
    return double(v.ab()) * kpaPerRailCount;
}
double railPressureDirect(const PidBytes& v) {
    return double(v.ab() * 10);
}
double vaporPressure(const PidBytes& v) {
    // Two's complement: the system reports vacuum as a negative pressure.
    const qint64 ab = v.ab();
    return double(ab >= 0x8000 ? ab - 0x10000 : ab) * 0.25;
}
double catalystTemperature(const PidBytes& v) {
    return double(v.ab()) / 10.0 - 40.0;
}
double moduleVoltage(const PidBytes& v) {
    return double(v.ab()) * 0.001;
}
double equivalenceRatio(const PidBytes& v) {
    return double(v.ab()) * ratioPerCount;
}

QString num(const char* conversion, double value) {
    return display_number::format(conversion, value);
}

std::optional<QString> monitorStatusSinceClear(const PidBytes& v) {
    const QString mil = (v.a & 0x80) ? const_str::MilOn : const_str::MilOff;
    return const_str::MilAndCodeCount.arg(mil, num("%d", double(v.a & 0x7F)));
}

std::optional<QString> troubleCode(const PidBytes& v) {
    const QString digits = QStringLiteral("%1").arg(v.ab(), 4, 16, QLatin1Char('0')).toUpper();
    return decodeTroubleCode(digits);
}

std::optional<QString> fuelSystemStatus(const PidBytes& v) {
    return state_texts::fuelSystem(v.a);
}
std::optional<QString> secondaryAirStatus(const PidBytes& v) {
    return state_texts::secondaryAir(v.a);
}
std::optional<QString> obdType(const PidBytes& v) {
    return state_texts::obdType(v.a);
}

std::optional<QString> sensorsPresent(const PidBytes& v) {
    QStringList present;
    for (int bit = 0; bit < 8; ++bit) {
        if (v.a & (1 << bit)) {
            present << state_texts::o2Location(bit);
        }
    }
    return present.isEmpty() ? const_str::NotAvailable : present.join(QStringLiteral(", "));
}

std::optional<QString> lastSensorPresent(const PidBytes& v) {
    std::optional<QString> text; // no sensor, no value
    for (int bit = 0; bit < 8; ++bit) {
        if (v.a & (1 << bit)) {
            text = state_texts::o2Location(bit);
        }
    }
    return text;
}

// The voltage stands first and always takes five characters (0.000 to 1.275): the graph keeps
// only those. A trim byte of FF means the sensor does not take part in fuel trim.
std::optional<QString> narrowBandSensor(const PidBytes& v) {
    const QString voltage =
        num("%1.3f", double(v.a) * voltsPerNarrowBandCount) + QStringLiteral(" V");
    if (v.b == 0xFF) {
        return voltage;
    }
    return voltage + QStringLiteral(", ") + const_str::O2SensorTrim + QStringLiteral(": ") +
           num("%3.1f", trimOfA({v.b, 0, 0, 0})) + QStringLiteral(" %");
}

std::optional<QString> powerTakeOff(const PidBytes& v) {
    return (v.a & 1) ? const_str::PowerTakeOffOn : const_str::PowerTakeOffOff;
}

std::optional<QString> runTime(const PidBytes& v) {
    const qint64 seconds = v.ab();
    return num("%.2d", double(seconds / 3600)) + QLatin1Char(':') +
           num("%.2d", double((seconds % 3600) / 60)) + QLatin1Char(':') +
           num("%.2d", double((seconds % 3600) % 60));
}

std::optional<QString> wideRangeVoltage(const PidBytes& v) {
    return num("%.3f", double(v.cd()) * voltsPerWideRangeCount) + QStringLiteral(" V, ratio: ") +
           num("%.3f", double(v.ab()) * ratioPerCount);
}

std::optional<QString> wideRangeCurrent(const PidBytes& v) {
    return num("%1.3f", double(v.ab()) * ratioPerCount) + QStringLiteral(" - ") +
           num("%1.3f", double(v.cd()) * milliampPerCount - 128.0);
}

// Completed against enabled monitors; B and C say which run this cycle, a set bit in B's upper
// half or in D says the monitor has not completed yet.
std::optional<QString> monitorsThisCycle(const PidBytes& v) {
    int enabled = 0;
    int completed = 0;
    for (int bit = 0; bit < 3; ++bit) {
        if (v.b & (1 << bit)) {
            ++enabled;
            completed += (v.b & (1 << (bit + 4))) ? 0 : 1;
        }
    }
    for (int bit = 0; bit < 8; ++bit) {
        if (v.c & (1 << bit)) {
            ++enabled;
            completed += (v.d & (1 << bit)) ? 0 : 1;
        }
    }
    return const_str::MonitorsCompleted.arg(completed).arg(enabled);
}

// clang-format off
const PidRule rules[] = {
    // first last bytes value            metric   to English             English  or a text
    {0x01, 0x01, 4, nullptr,             nullptr, nullptr,               nullptr, monitorStatusSinceClear},
    {0x02, 0x02, 2, nullptr,             nullptr, nullptr,               nullptr, troubleCode},
    {0x03, 0x03, 1, nullptr,             nullptr, nullptr,               nullptr, fuelSystemStatus},
    {0x04, 0x04, 1, percentOfA,          "%3.1f", nullptr,               nullptr, nullptr},
    {0x05, 0x05, 1, aMinus40,            "%d",    celsiusToFahrenheit,   "%3.0f", nullptr},
    {0x06, 0x09, 1, trimOfA,             "%3.1f", nullptr,               nullptr, nullptr},
    {0x0A, 0x0A, 1, fuelPressure,        "%d",    kpaToPsi,              "%.1f",  nullptr},
    {0x0B, 0x0B, 1, byteA,               "%d",    kpaToPsi,              "%.1f",  nullptr},
    {0x0C, 0x0C, 2, quarterAB,           "%5.0f", nullptr,               nullptr, nullptr},
    {0x0D, 0x0D, 1, byteA,               "%d",    kmToMiles,             "%3.0f", nullptr},
    {0x0E, 0x0E, 1, timingAdvance,       "%3.1f", nullptr,               nullptr, nullptr},
    {0x0F, 0x0F, 1, aMinus40,            "%d",    celsiusToFahrenheit,   "%3.0f", nullptr},
    {0x10, 0x10, 2, airFlow,             "%3.2f", gramsToPoundsPerMinute,"%3.2f", nullptr},
    {0x11, 0x11, 1, percentOfA,          "%3.1f", nullptr,               nullptr, nullptr},
    {0x12, 0x12, 1, nullptr,             nullptr, nullptr,               nullptr, secondaryAirStatus},
    {0x13, 0x13, 1, nullptr,             nullptr, nullptr,               nullptr, sensorsPresent},
    {0x14, 0x1B, 2, nullptr,             nullptr, nullptr,               nullptr, narrowBandSensor},
    {0x1C, 0x1C, 1, nullptr,             nullptr, nullptr,               nullptr, obdType},
    {0x1D, 0x1D, 1, nullptr,             nullptr, nullptr,               nullptr, lastSensorPresent},
    {0x1E, 0x1E, 1, nullptr,             nullptr, nullptr,               nullptr, powerTakeOff},
    {0x1F, 0x1F, 2, nullptr,             nullptr, nullptr,               nullptr, runTime},
    {0x20, 0x20, 0, nullptr,             nullptr, nullptr,               nullptr, nullptr},
    {0x21, 0x21, 2, wordAB,              "%d",    kmToMiles,             "%.0f",  nullptr},
    {0x22, 0x22, 2, railPressureVacuum,  "%.3f",  kpaToPsi,              "%.1f",  nullptr},
    {0x23, 0x23, 2, railPressureDirect,  "%d",    kpaToPsi,              "%.1f",  nullptr},
    {0x24, 0x2B, 4, nullptr,             nullptr, nullptr,               nullptr, wideRangeVoltage},
    {0x2C, 0x2C, 1, percentOfA,          "%3.1f", nullptr,               nullptr, nullptr},
    {0x2D, 0x2D, 1, trimOfA,             "%3.1f", nullptr,               nullptr, nullptr},
    {0x2E, 0x2F, 1, percentOfA,          "%3.1f", nullptr,               nullptr, nullptr},
    {0x30, 0x30, 1, byteA,               "%d",    nullptr,               nullptr, nullptr},
    {0x31, 0x31, 2, wordAB,              "%d",    kmToMiles,             "%.0f",  nullptr},
    {0x32, 0x32, 2, vaporPressure,       "%.2f",  pascalToInchesOfWater, "%.3f",  nullptr},
    {0x33, 0x33, 1, byteA,               "%d",    kpaToInchesOfMercury,  "%.2f",  nullptr},
    {0x34, 0x3B, 4, nullptr,             nullptr, nullptr,               nullptr, wideRangeCurrent},
    {0x3C, 0x3F, 2, catalystTemperature, "%.1f",  celsiusToFahrenheit,   "%.1f",  nullptr},
    {0x40, 0x40, 0, nullptr,             nullptr, nullptr,               nullptr, nullptr},
    {0x41, 0x41, 4, nullptr,             nullptr, nullptr,               nullptr, monitorsThisCycle},
    {0x42, 0x42, 2, moduleVoltage,       "%2.3f", nullptr,               nullptr, nullptr},
    {0x43, 0x43, 2, percentOfAB,         "%5.1f", nullptr,               nullptr, nullptr},
    {0x44, 0x44, 2, equivalenceRatio,    "%1.3f", nullptr,               nullptr, nullptr},
    {0x45, 0x45, 1, percentOfA,          "%5.1f", nullptr,               nullptr, nullptr},
    {0x46, 0x46, 1, aMinus40,            "%d",    celsiusToFahrenheit,   "%3.0f", nullptr},
    {0x47, 0x4C, 1, percentOfA,          "%5.1f", nullptr,               nullptr, nullptr},
    {0x4D, 0x4E, 2, wordAB,              "%d",    nullptr,               nullptr, nullptr},
};
// clang-format on

const PidRule* ruleFor(int pid) {
    for (const PidRule& rule : rules) {
        if (pid >= rule.firstPid && pid <= rule.lastPid) {
            return &rule;
        }
    }
    return nullptr;
}

// The bytes of a PID above 4E that the answer holds, at most its byte count: the extended decoder
// tells a sub-value whose bytes did not come from one that is 0.
PidValue decodeExtended(const extended_pids::PidDescription& description, int subValue,
                        const QString& answer, qsizetype firstData, bool english) {
    if (subValue < 0 || subValue >= description.subValues.size()) {
        return std::nullopt;
    }
    const qsizetype present = std::max<qsizetype>(0, answer.size() - (firstData - 1)) / 2;
    QByteArray data;
    for (int n = 1; n <= std::min<qsizetype>(present, description.byteCount); ++n) {
        data.append(char(response_fields::dataByte(answer, n, firstData)));
    }
    const extended_pids::SubValueResult result =
        extended_pids::decode(description.pid, data, english).at(subValue);
    switch (result.reading) {
    case extended_pids::Reading::Value:
        return extended_pids::displayText(description.subValues.at(subValue), result.value,
                                          english);
    case extended_pids::Reading::NotPresent:
        return const_str::NotAvailable;
    case extended_pids::Reading::NotRead:
        break;
    }
    return std::nullopt;
}

} // namespace

bool isRequested(int pid) {
    // 20, 40, 60, ... only announce further PIDs.
    if (pid > 0 && pid % 0x20 == 0) {
        return false;
    }
    const PidRule* rule = ruleFor(pid);
    return rule == nullptr || rule->byteCount > 0;
}

bool hasDefinedLength(int pid) {
    if (extended_pids::describe(pid) != nullptr)
        return true;
    const PidRule* rule = ruleFor(pid);
    return rule != nullptr && rule->byteCount > 0;
}

int dataByteCount(int pid) {
    if (const extended_pids::PidDescription* description = extended_pids::describe(pid)) {
        return description->byteCount;
    }
    const PidRule* rule = ruleFor(pid);
    return rule == nullptr ? 1 : rule->byteCount;
}

PidValue decodePid(int pid, const QString& answer, qsizetype firstData, bool english,
                   int subValue) {
    if (const extended_pids::PidDescription* description = extended_pids::describe(pid)) {
        return decodeExtended(*description, subValue, answer, firstData, english);
    }
    const PidRule* rule = ruleFor(pid);
    if (rule == nullptr) {
        // The vehicle's characters as they stand, but never a control character.
        return visibleText(answer.mid(firstData - 1, 8));
    }
    if (rule->byteCount == 0) {
        return std::nullopt;
    }
    PidBytes bytes;
    qint64* const fields[] = {&bytes.a, &bytes.b, &bytes.c, &bytes.d};
    for (int n = 1; n <= rule->byteCount; ++n) {
        *fields[n - 1] = response_fields::dataByte(answer, n, firstData);
    }
    if (rule->text != nullptr) {
        return rule->text(bytes);
    }
    const double value = rule->value(bytes);
    if (english && rule->toEnglish != nullptr) {
        return display_number::format(rule->englishFormat, rule->toEnglish(value));
    }
    return display_number::format(rule->metricFormat, value);
}

} // namespace pid_decoder
