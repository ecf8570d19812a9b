#pragma once

#include "core/j1979/pid_value.h"

#include <QString>
#include <QtGlobal>

// The per-PID decoding of service 01 and service 02 answers into display texts, shared by the
// live values and the freeze frame.
namespace pid_decoder {

// Whether a value of the PID is asked for at all. PIDs 20, 40, ... E0 only announce further PIDs,
// so they have no value and are not asked for.
bool isRequested(int pid);

// Whether the PID's data bytes have a defined number, so that its value can be found among
// others in one answer (see grouped_pid_request.h).
bool hasDefinedLength(int pid);

// How many data bytes a value of the PID is made of; a PID without a rule shows at least one.
int dataByteCount(int pid);

// The display text of the PID in the chosen unit system, from the answer whose data byte A starts
// at the 1-based position firstData (5 in service 01, 7 in service 02, behind the frame number).
// Only the bytes the PID uses are read; missing ones read as 0 (a request makes sure they are
// there, see dataByteCount). A PID above 4E with several values gives the one numbered subValue
// (0 for the first): "N/A" when byte A says the vehicle does not have it, nothing when its bytes
// did not come. PIDs without a definition give their data digits as they stand.
// Nothing for PIDs 20, 40, ..., a trouble code of no known form (PID 02) and no oxygen sensor
// present (PID 1D). Non-hexadecimal data throw HexConversionError.
PidValue decodePid(int pid, const QString& answer, qsizetype firstData, bool english,
                   int subValue = 0);

} // namespace pid_decoder
