#pragma once

#include <QString>
#include <QtGlobal>

// The unit-and-scaling table of on-board monitoring test results on CAN: each result names the
// scaling of its value and limits by one byte. IDs 01..7F read the word unsigned, IDs 80..FE as a
// two's-complement number.
namespace monitor_scaling {

struct ScaledValue {
    double value = 0;
    QString unit;       // metric symbol; empty for a plain number
    bool known = false; // false: an ID the table lacks, value is the unscaled word
};

// Whether the ID reads its word as a signed number.
constexpr bool isSigned(int uasid) {
    return (uasid & 0x80) != 0;
}

// The word as the number the ID means before scaling: sign-extended for a signed ID.
constexpr qint32 rawNumber(int uasid, quint16 rawWord) {
    return isSigned(uasid) ? qint32(qint16(rawWord)) : qint32(rawWord);
}

// Value and unit of a word under the ID. An ID not in the table keeps the raw number (signed by
// the same rule) with no unit and known = false, so nothing is shown in a unit it may not have.
ScaledValue scale(int uasid, quint16 rawWord);

} // namespace monitor_scaling
