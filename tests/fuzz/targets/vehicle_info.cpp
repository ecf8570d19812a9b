// Service 09: VIN, calibration IDs and verification numbers, counted or in the CAN layout.

#include "core/j1979/hex_conversions.h"
#include "core/j1979/service09.h"
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_target.h"

QUORVANE_FUZZ_TARGET(vehicle_info) {
    if (input.isEmpty())
        return;
    FuzzLink link(input.sliced(1), input[0] & 1);
    Service09 service09;
    try {
        service09.readVehicleInfo(link);
    } catch (const HexConversionError&) {
        return;
    }
    fuzzRequireShowable(service09.vin(), "a VIN holds no control character");
    for (const QString& id : service09.calibrationIds())
        fuzzRequireShowable(id, "a calibration ID holds no control character");
    for (const QString& cvn : service09.calibrationVerificationNumbers())
        fuzzRequireShowable(cvn, "a verification number holds no control character");
}
