#include "core/j1979/monitor_names.h"

#include "core/j1979/monitor_tests.h"

#include <array>

namespace monitor_names {

namespace {

QString hex(int id) {
    return QStringLiteral("%1").arg(id, 2, 16, QLatin1Char('0')).toUpper();
}

QString bankSensor(int index) {
    return QStringLiteral("bank %1 sensor %2").arg(index / 4 + 1).arg(index % 4 + 1);
}

// A run of IDs that differ only in a bank or cylinder number.
struct NumberedRange {
    int first;
    int last;
    const char* pattern; // %1 is the number, from 1
};

constexpr std::array<NumberedRange, 10> numberedRanges{{
    {0x21, 0x24, "Catalyst monitor bank %1"},
    {0x31, 0x34, "EGR monitor bank %1"},
    {0x35, 0x38, "VVT monitor bank %1"},
    {0x61, 0x64, "Heated catalyst monitor bank %1"},
    {0x71, 0x74, "Secondary air monitor %1"},
    {0x81, 0x84, "Fuel system monitor bank %1"},
    {0x85, 0x86, "Boost pressure control monitor bank %1"},
    {0x90, 0x91, "NOx adsorber monitor bank %1"},
    {0x98, 0x99, "NOx catalyst monitor bank %1"},
    {0xA2, 0xB1, "Misfire cylinder %1 data"},
}};

} // namespace

QString monitorName(int mid) {
    if (mid < 0 || mid > 0xFF) {
        return QStringLiteral("Monitor %1").arg(mid);
    }
    if (mid % 0x20 == 0 && mid <= 0xE0) {
        return QStringLiteral("Supported monitors %1-%2").arg(hex(mid + 1), hex(mid + 0x20));
    }
    if (mid >= 0x01 && mid <= 0x10) {
        return QStringLiteral("O2 sensor monitor ") + bankSensor(mid - 0x01);
    }
    if (mid >= 0x41 && mid <= 0x50) {
        return QStringLiteral("O2 sensor heater monitor ") + bankSensor(mid - 0x41);
    }
    for (const NumberedRange& range : numberedRanges) {
        if (mid >= range.first && mid <= range.last) {
            return QString::fromLatin1(range.pattern).arg(mid - range.first + 1);
        }
    }
    switch (mid) {
    case 0x39:
        return QStringLiteral("EVAP monitor (cap off / 0.150\")");
    case 0x3A:
        return QStringLiteral("EVAP monitor (0.090\")");
    case 0x3B:
        return QStringLiteral("EVAP monitor (0.040\")");
    case 0x3C:
        return QStringLiteral("EVAP monitor (0.020\")");
    case 0x3D:
        return QStringLiteral("Purge flow monitor");
    case 0xA1:
        return QStringLiteral("Misfire monitor general data");
    case 0xB2:
        return QStringLiteral("PM filter monitor bank 1");
    case 0xB3:
        return QStringLiteral("PM filter monitor bank 2");
    default:
        break;
    }
    if (mid >= 0xE1) {
        return QStringLiteral("Manufacturer monitor ") + hex(mid);
    }
    return QStringLiteral("Monitor ") + hex(mid);
}

QString testName(int tid) {
    static const std::array<const char*, 12> standard{
        "Rich to lean sensor threshold voltage",
        "Lean to rich sensor threshold voltage",
        "Low sensor voltage for switch time calculation",
        "High sensor voltage for switch time calculation",
        "Rich to lean sensor switch time",
        "Lean to rich sensor switch time",
        "Minimum sensor voltage for test cycle",
        "Maximum sensor voltage for test cycle",
        "Time between sensor transitions",
        "Sensor period",
        "Average misfire counts for the last ten driving cycles",
        "Misfire counts for the last or current driving cycle",
    };
    if (tid >= 0x01 && tid <= 0x0C) {
        return QString::fromLatin1(standard[size_t(tid - 1)]);
    }
    if (tid >= 0x80 && tid <= 0xFF) {
        return QStringLiteral("Manufacturer test ") + hex(tid);
    }
    return QStringLiteral("Test ") + hex(qBound(0, tid, 0xFF));
}

QString rowMonitorText(const MonitorTestResult& row) {
    if (row.mid >= 0)
        return monitorName(row.mid);
    if (row.componentId >= 0)
        return QStringLiteral("Component %1").arg(hex(row.componentId));
    return QStringLiteral("Test ") + hex(row.tid);
}

QString rowTestText(const MonitorTestResult& row) {
    if (row.tid < 0)
        return QStringLiteral("-");
    if (row.tid >= 0x80)
        return QStringLiteral("TID ") + hex(row.tid);
    return testName(row.tid);
}

QString rowUnitText(const MonitorTestResult& row) {
    if (row.uasid >= 0 && !row.unitKnown)
        return QStringLiteral("unknown unit");
    if (row.uasid < 0 && row.value)
        return QStringLiteral("raw");
    return row.unit;
}

} // namespace monitor_names
