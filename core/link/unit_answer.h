#pragma once

#include <QList>
#include <QString>
#include <optional>

// One control unit's part of an answer to a request that several units may answer.
struct UnitAnswer {
    // The unit's address as its header names it: "7E8" (11-bit CAN), "18DAF110" (29-bit CAN),
    // "10" (the source address on ISO 9141-2, ISO 14230-4 and SAE J1850). Empty when the answer
    // could not be told apart by unit; the one part then holds every unit's answer, merged.
    QString unit;
    // That unit's answer, cleaned and laid out as exchange() gives the answer of a vehicle with
    // this one unit ("NO DATA" and negative responses as they stand).
    QString answer;
    bool operator==(const UnitAnswer&) const = default;
};

// An answer split by unit, in the order the units' first messages arrived; nothing when no
// complete answer arrived.
using UnitAnswers = std::optional<QList<UnitAnswer>>;
