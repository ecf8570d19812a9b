#pragma once

#include "core/link/unit_answer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Splits an answer the interface printed with headers on (ATH1) into the parts of the control
// units that sent it. Each part is laid out as the answer of a vehicle with that one unit, so the
// readers parse it as they parse any answer.
//
// The header forms:
// - CAN (ISO 15765-4): the 11-bit identifier ("7E8") or the 29-bit one ("18 DA F1 10") in front
//   of each frame; frames are reassembled per sender by can_answer.
// - ISO 9141-2, SAE J1850 PWM and VPW: three header bytes (priority, target 6B, source), the
//   data, and the check byte (a sum on ISO 9141-2, a CRC on J1850; the header "48 6B" is used by
//   both ISO 9141-2 and J1850 VPW, so either rule is accepted).
// - ISO 14230-4: the format byte (its top bit set, its low six bits the data length, 0 when a
//   length byte follows the three header bytes), target F1, source, data and a sum check byte.
// On all but CAN a unit's address is its source byte ("10"); a unit may send several messages
// (several frames of trouble codes, numbered vehicle-information messages), kept in order.
// Blanks (ATS0) and lower-case hex are read alike; status lines and the chip's bus-error words
// are skipped. Pure functions of the text.
namespace unit_headers {

struct Split {
    // One part per unit, in the order its first message arrived; none when no unit's message is
    // in the answer (no prompt, or the chip's words alone: "NO DATA").
    QList<UnitAnswer> parts;
    // A line is neither a status line, a bus-error word nor a message with headers: the
    // interface printed no headers (a clone that ignores ATH1). parts is empty then.
    bool headerless = false;
    // What is odd but kept, for the communication log: two units answering from one CAN
    // identifier, a check byte that does not match its message.
    QStringList notes;
};

// The answer `raw` (as read up to the prompt) to sentCommand, printed with headers on a CAN
// protocol when `can`, else on one of the others.
Split split(const QByteArray& raw, const QString& sentCommand, bool can);

} // namespace unit_headers
