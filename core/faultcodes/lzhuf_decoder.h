#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lzhuf {

struct DecodeResult {
    QByteArray data;
    // The packed bytes ran out before the expected size was reached. The decoder then stops:
    // whatever it would produce from the zero bits that follow is not data of the stream.
    bool inputExhausted = false;
};

// Unpacks LZHUF data until at least expectedSize bytes are written. A match that crosses
// expectedSize is copied whole, so a longer result tells that the stated size was wrong.
// Arbitrary input is safe: nothing is read or written out of bounds, and the work ends after at
// most one symbol per input bit. Throws FaultTableError when the working memory is not available.
DecodeResult decode(QByteArrayView packed, quint32 expectedSize);

} // namespace lzhuf
