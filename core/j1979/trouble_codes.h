#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class CommandLink;
class UserNotifier;

// A code list as a reader returns it: nothing when the vehicle did not answer as asked (no answer
// in time, "NO DATA", a bus error, a negative response), so that a failed exchange never looks
// like a vehicle without codes. An answered request without codes is an empty list.
using TroubleCodeList = std::optional<QStringList>;

// A code and the control unit that stored it: its address as the answer's header names it
// (unit_answer.h), empty when the link does not tell the units apart.
struct UnitCode {
    QString code;
    QString unit;
    bool operator==(const UnitCode&) const = default;
};

// As TroubleCodeList, each code with its unit, in the order the units answered. A code that two
// units stored is listed once for each.
using UnitCodeList = std::optional<QList<UnitCode>>;

// The codes alone, for those who show one plain list; and a plain list as codes of no named unit.
TroubleCodeList plainCodes(const UnitCodeList& codes);
UnitCodeList withoutUnits(const TroubleCodeList& codes);

// Service 03: the emission-related trouble codes stored in the control units.
class Service03 {
public:
    // Sends "03"; each unit's part of the answer holds 14-character frames ("43" and three
    // codes), whose codes come in answer order, without the filler "P0000". Nothing when a part
    // is not whole frames of "43" and hexadecimal codes: a cut or garbled answer is not read,
    // never a shorter list, and one unit's garbled part leaves the whole reading unread, because
    // the codes that unit stored would be missing from a list that looks complete.
    UnitCodeList storedCodesByUnit(CommandLink& link) const;
    TroubleCodeList storedCodes(CommandLink& link) const;
};

// Service 07: the pending trouble codes of the current or last driving cycle.
class Service07 {
public:
    // Sends "07"; as the stored codes, for answers starting with "47".
    UnitCodeList pendingCodesByUnit(CommandLink& link) const;
    TroubleCodeList pendingCodes(CommandLink& link) const;
};

// The permanent codes: stored codes that clearing does not erase; a unit drops one only when the
// monitor that set it has run and passed.
struct PermanentCodes {
    enum class State {
        NotRead,      // no answer, or a unit's part garbled
        NotSupported, // every unit refused the request (negative response) or had "NO DATA"
        Read,         // codes empty: the units answered and hold none
    };
    State state = State::NotRead;
    QList<UnitCode> codes;
    bool operator==(const PermanentCodes&) const = default;
};

// Service 0A: the permanent trouble codes.
class Service0A {
public:
    // Sends "0A"; the frames start with "4A", read per unit as the stored codes. A unit that
    // refuses the service ("7F 0A ..") or says "NO DATA" while others answer adds no codes: the
    // older units of a vehicle need not know the service. "NO DATA" is a refusal only from a
    // vehicle that answers: the callers ask only after the pending codes were read.
    PermanentCodes permanentCodes(CommandLink& link) const;
};

// Service 04: sends "04" and tells the user whether the answer confirmed the clearing (it begins
// with "44"), and that the permanent codes stay. Returns that outcome. The caller has asked the
// user before.
bool clearTroubleCodes(CommandLink& link, UserNotifier& notifier);
