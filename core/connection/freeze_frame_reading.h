#pragma once

#include "core/j1979/pid_value.h"
#include "core/j1979/trouble_codes.h"

#include <QList>
#include <QString>
#include <QStringList>

class CommandLink;
class PidCatalogue;
class Service02;

// One value row of frame 00: a PID the vehicle stores in its freeze frame and that is a live
// sensor of the catalogue.
struct FreezeFrameRow {
    QString pid;    // "0C"
    QString name;   // catalogue name in the language of the run
    PidValue value; // of freezeFrameValue
    QString unit;   // metric or English unit, as chosen
};

// What the freeze-frame page shows: the code that caused frame 00 (none or one; nothing when the
// code request was not answered) and its values.
struct FreezeFrameReading {
    TroubleCodeList codes;
    QList<FreezeFrameRow> rows;
};

// Reads the code, then the values of each shown PID in rising PID order (02..C4; one request per
// PID, one row per value the vehicle has), using the service 02
// supported set already read into service02, named as `catalogue` names them. Non-hexadecimal data
// throw HexConversionError.
FreezeFrameReading readFreezeFrameData(CommandLink& link, const Service02& service02,
                                       const PidCatalogue& catalogue, bool english);
