// The packed fault-code table: the container with its size and CRC, then the record layout.

#include "core/faultcodes/fault_record_format.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/lzh_container.h"
#include "tests/fuzz/fuzz_target.h"

QUORVANE_FUZZ_TARGET(fault_container) {
    try {
        const QByteArray raw = lzh_container::unpack(input);
        fuzzRequire(raw.size() <= qsizetype(lzh_container::kMaxUnpackedSize),
                    "unpacked within the limit");
        (void)fault_record_format::parse(raw);
    } catch (const FaultTableError&) {
    }
    // The record layout reached directly, which packed inputs rarely get past the CRC to.
    try {
        const FaultRecords records = fault_record_format::parse(input);
        fuzzRequire(records.size() <= qsizetype(fault_record_format::kMaxRecords),
                    "no more records than allowed");
    } catch (const FaultTableError&) {
    }
}
