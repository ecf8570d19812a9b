// Service 09: VIN, calibration IDs and verification numbers, counted or in the CAN layout.

#include "core/j1979/hex_conversions.h"
#include "core/j1979/mode09.h"
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

void requireShowable(const QString& text) {
    for (QChar c : text)
        fuzzRequire(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F),
                    "vehicle information holds no control character");
}

} // namespace

QUORVANE_FUZZ_TARGET(vehicle_info) {
    if (input.isEmpty())
        return;
    FuzzLink link(input.sliced(1), input[0] & 1);
    TMode09 mode09;
    try {
        mode09.ReadVehicleInfo(link);
    } catch (const HexConversionError&) {
        return;
    }
    requireShowable(mode09.vin());
    for (const QString& id : mode09.calibrationIds())
        requireShowable(id);
    for (const QString& cvn : mode09.calibrationVerificationNumbers())
        requireShowable(cvn);
}
