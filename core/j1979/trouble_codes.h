#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class CommandLink;
class UserNotifier;

// A code list as a reader returns it: nothing when the vehicle did not answer as asked (no answer
// in time, "NO DATA", a bus error, a negative response), so that a failed exchange never looks
// like a vehicle without codes. An answered request without codes is an empty list.
using TroubleCodeList = std::optional<QStringList>;

// Service 03: the emission-related trouble codes stored in the control units.
class Service03 {
public:
    // Sends "03"; the codes of the 14-character frames ("43" and three codes) in answer order,
    // without the filler "P0000". Nothing when the answer is not whole frames of "43" and
    // hexadecimal codes: a cut or garbled answer is not read, never a shorter list.
    TroubleCodeList storedCodes(CommandLink& link) const;
};

// Service 07: the pending trouble codes of the current or last driving cycle.
class Service07 {
public:
    // Sends "07"; as the stored codes, for answers starting with "47".
    TroubleCodeList pendingCodes(CommandLink& link) const;
};

// Service 04: sends "04" and tells the user whether the answer confirmed the clearing (it begins
// with "44"). Returns that outcome. The caller has asked the user before.
bool clearTroubleCodes(CommandLink& link, UserNotifier& notifier);
