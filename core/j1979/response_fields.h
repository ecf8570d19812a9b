#pragma once

#include <QString>
#include <QtGlobal>

// The small rules shared by every reader for forming requests and picking data out of the packed
// answer text of the exchange.
namespace response_fields {

// Service, PID and frame texts are two characters; longer ones are cut.
QString firstTwo(const QString& text);

// The positive response code of a service: "4" and the service's second digit ("01" -> "41").
QString responseCode(const QString& service);

// The byte whose two digits start at the 1-based position of the answer. A pair cut short by the
// end of the answer reads the digit that exists, a pair beyond it reads 0; non-hexadecimal digits
// throw HexConversionError.
qint64 pairAt(const QString& answer, qsizetype position);

// Data byte n (1-based) of a response standing at the start of the answer, whose data begin at
// the 1-based position firstData: byte 1 at firstData, byte 2 two characters further on.
inline qint64 dataByte(const QString& answer, int n, qsizetype firstData) {
    return pairAt(answer, firstData + 2 * (n - 1));
}

} // namespace response_fields
