#pragma once

#include "core/j1979/pid_value.h"

#include <QList>
#include <QString>

class CommandLink;

// One value of service 01 (current data) or 02 (freeze frame): the service and PID texts are
// checked, the request is sent (with the frame number for service 02), and the value is decoded
// from dataPosition of the answer. Nothing without a request for another service or a PID that
// is never asked for, "N/A" for PID 00, nothing when the answer lacks the response or ends before
// the data bytes the PID needs.
PidValue requestPidValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                         int expectedService, const QString& frame, int dataPosition, bool english);

// The same for every value of the PID from one request: one entry per value (one for a PID up
// to 4E, one per sub-value above; see pid_decoder::decodePid), each nothing when no answer came.
QList<PidValue> requestPidValues(CommandLink& link, const QString& serviceText,
                                 const QString& pidText, int expectedService, const QString& frame,
                                 int dataPosition, bool english);

// Every value of the PID from an answer that holds all of its data bytes from dataPosition on.
QList<PidValue> decodePidValues(int pid, const QString& answer, int dataPosition, bool english);

// How many values one answer of the PID holds: its sub-values above 4E, else one.
int valueCount(int pid);
