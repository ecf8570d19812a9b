// The LZHUF decoder on its own: any bytes, any stated size.

#include "core/faultcodes/lzhuf_decoder.h"
#include "tests/fuzz/fuzz_target.h"

#include <QtEndian>

QUORVANE_FUZZ_TARGET(lzhuf_decoder) {
    if (input.size() < 3)
        return;
    // Three bytes of size: up to 16 MiB, the most a table may unpack to.
    const quint32 size = quint32(quint8(input[0])) | quint32(quint8(input[1])) << 8 |
                         quint32(quint8(input[2])) << 16;
    const lzhuf::DecodeResult result = lzhuf::decode(input.sliced(3), size);
    // A match crossing the stated size is copied whole; nothing beyond one match more.
    fuzzRequire(result.data.size() <= qsizetype(size) + 60, "output bounded by the stated size");
    if (!result.inputExhausted)
        fuzzRequire(result.data.size() >= qsizetype(size), "a complete stream reaches its size");
}
