#include "core/j1979/monitor_names.h"

#include "core/j1979/monitor_tests.h"
#include "core/l10n/const_str.h"

#include <array>

namespace monitor_names {

QString idText(int id) {
    return QStringLiteral("%1").arg(id, 2, 16, QLatin1Char('0')).toUpper();
}

namespace {

// A run of IDs that differ only in a bank or cylinder number.
struct NumberedRange {
    int first;
    int last;
    const QString* pattern; // %1 is the number, from 1; read when used, so it is translated
};

const std::array<NumberedRange, 11> numberedRanges{{
    {0x21, 0x24, &const_str::MidCatalyst},
    {0x31, 0x34, &const_str::MidEgr},
    {0x35, 0x38, &const_str::MidVvt},
    {0x61, 0x64, &const_str::MidHeatedCatalyst},
    {0x71, 0x74, &const_str::MidSecondaryAir},
    {0x81, 0x84, &const_str::MidFuelSystem},
    {0x85, 0x86, &const_str::MidBoostPressure},
    {0x90, 0x91, &const_str::MidNoxAdsorber},
    {0x98, 0x99, &const_str::MidNoxCatalyst},
    {0xA2, 0xB1, &const_str::MidMisfireCylinder},
    {0xB2, 0xB3, &const_str::MidPmFilter},
}};

} // namespace

QString monitorName(int mid) {
    if (mid < 0 || mid > 0xFF) {
        return const_str::MidOther.arg(mid);
    }
    if (mid % 0x20 == 0 && mid <= 0xE0) {
        return const_str::MidSupported.arg(idText(mid + 1), idText(mid + 0x20));
    }
    if (mid >= 0x01 && mid <= 0x10) {
        return const_str::MidO2Sensor.arg((mid - 0x01) / 4 + 1).arg((mid - 0x01) % 4 + 1);
    }
    if (mid >= 0x41 && mid <= 0x50) {
        return const_str::MidO2Heater.arg((mid - 0x41) / 4 + 1).arg((mid - 0x41) % 4 + 1);
    }
    for (const NumberedRange& range : numberedRanges) {
        if (mid >= range.first && mid <= range.last) {
            return range.pattern->arg(mid - range.first + 1);
        }
    }
    switch (mid) {
    case 0x39:
        return const_str::MidEvapCapOff;
    case 0x3A:
        return const_str::MidEvap090;
    case 0x3B:
        return const_str::MidEvap040;
    case 0x3C:
        return const_str::MidEvap020;
    case 0x3D:
        return const_str::MidPurgeFlow;
    case 0xA1:
        return const_str::MidMisfireGeneral;
    default:
        break;
    }
    if (mid >= 0xE1) {
        return const_str::MidManufacturer.arg(idText(mid));
    }
    return const_str::MidOther.arg(idText(mid));
}

QString testName(int tid) {
    static const std::array<const QString*, 12> standard{
        &const_str::Tid01, &const_str::Tid02, &const_str::Tid03, &const_str::Tid04,
        &const_str::Tid05, &const_str::Tid06, &const_str::Tid07, &const_str::Tid08,
        &const_str::Tid09, &const_str::Tid0A, &const_str::Tid0B, &const_str::Tid0C,
    };
    if (tid >= 0x01 && tid <= 0x0C) {
        return *standard[size_t(tid - 1)];
    }
    if (tid >= 0x80 && tid <= 0xFF) {
        return const_str::TidManufacturer.arg(idText(tid));
    }
    return const_str::TidOther.arg(idText(qBound(0, tid, 0xFF)));
}

QString rowMonitorText(const MonitorTestResult& row) {
    if (row.mid >= 0)
        return monitorName(row.mid);
    if (row.componentId >= 0)
        return const_str::MonitorComponent.arg(idText(row.componentId));
    return QStringLiteral("Test ") + idText(row.tid);
}

QString rowTestText(const MonitorTestResult& row) {
    if (row.tid < 0)
        return QStringLiteral("-");
    if (row.tid >= 0x80)
        return QStringLiteral("TID ") + idText(row.tid);
    return testName(row.tid);
}

QString rowUnitText(const MonitorTestResult& row) {
    if (row.uasid >= 0 && !row.unitKnown)
        return const_str::MonitorUnknownUnit;
    if (row.uasid < 0 && row.value)
        return const_str::MonitorRawValue; // the older protocols send no scaling
    return row.unit;
}

} // namespace monitor_names
