#include "core/j1979/state_texts.h"

#include "core/l10n/const_str.h"

#include <array>

namespace state_texts {

namespace {

// The one bit 0..count-1 that is set, or -1 when none or several bits are set or a higher bit is.
int singleBit(qint64 value, int count) {
    for (int bit = 0; bit < count; ++bit) {
        if (value == (qint64(1) << bit)) {
            return bit;
        }
    }
    return -1;
}

} // namespace

QString obdType(qint64 value) {
    using namespace const_str;
    const std::array<const QString*, 13> texts = {
        &ObdType1, &ObdType2, &ObdType3,  &ObdType4,  &ObdType5,  &ObdType6, &ObdType7,
        &ObdType8, &ObdType9, &ObdType10, &ObdType11, &ObdType12, &ObdType13};
    if (value < 1 || value > 13) {
        return NotAvailable;
    }
    return *texts[size_t(value - 1)];
}

QString o2Location(int bit) {
    using namespace const_str;
    const std::array<const QString*, 8> texts = {&O2Location11, &O2Location12, &O2Location13,
                                                 &O2Location14, &O2Location21, &O2Location22,
                                                 &O2Location23, &O2Location24};
    return (bit >= 0 && bit < 8) ? *texts[size_t(bit)] : QString();
}

QString fuelSystem(qint64 status) {
    using namespace const_str;
    const std::array<const QString*, 5> texts = {
        &FuelSystemOpenLoop, &FuelSystemClosedLoop, &FuelSystemOpenLoopDriving,
        &FuelSystemOpenLoopFault, &FuelSystemClosedLoopFault};
    const int bit = singleBit(status, 5);
    return bit < 0 ? FuelSystemReserved : *texts[size_t(bit)];
}

QString secondaryAir(qint64 status) {
    using namespace const_str;
    const std::array<const QString*, 3> texts = {&SecondaryAirUpstream, &SecondaryAirDownstream,
                                                 &SecondaryAirOff};
    const int bit = singleBit(status, 3);
    return bit < 0 ? SecondaryAirReserved : *texts[size_t(bit)];
}

} // namespace state_texts
