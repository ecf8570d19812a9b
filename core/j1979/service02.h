#pragma once

#include "core/j1979/pid_value.h"
#include "core/j1979/supported_pids.h"
#include "core/j1979/trouble_codes.h"

#include <QList>
#include <QString>
#include <QStringList>

class CommandLink;

// Service 02, the freeze frame: the values the control unit stored with a trouble code.
class Service02 {
public:
    // Reads the service 02 supported set of frame 00; always reports success.
    bool readSupported(CommandLink& link);

    // The display text of one PID of the frame, decoded like its live value with the data one
    // byte further on (behind the frame number). Nothing without a request for another service
    // than 02 and for PIDs 20 and 40, "N/A" for PID 00, nothing when the answer lacks the
    // response. Texts longer than two characters are cut.
    PidValue freezeFrameValue(CommandLink& link, const QString& service, const QString& pid,
                              bool english, const QString& frame) const;
    // Every value of the PID in the frame from one exchange (several for PIDs above 4E that
    // carry several).
    QList<PidValue> freezeFrameValues(CommandLink& link, const QString& pid, bool english,
                                      const QString& frame) const;

    // The trouble code that caused frame 00 ("020200"): at most one code; none for the filler
    // "P0000". Nothing at all (not read) for an answer that does not start with "42" or ends
    // before the code.
    TroubleCodeList freezeFrameCode(CommandLink& link) const;

    const SupportedPidSet& supportedPids() const { return m_supported; }

private:
    SupportedPidSet m_supported{};
};
