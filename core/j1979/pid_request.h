#pragma once

#include <QString>

class CommandLink;

// One value of service 01 (current data) or 02 (freeze frame): the service and PID texts are
// checked, the request is sent (with the frame number for service 02), and the value is decoded
// from dataPosition of the answer. "Error" without a request for another service or a PID that is
// never asked for, "N/A" for PID 00, "Error" when the answer lacks the response or ends before
// the data bytes the PID needs.
QString requestPidValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                        int expectedService, const QString& frame, int dataPosition, bool english);

// Whether a display text of requestPidValue is a value the vehicle sent. The "Error" sentinel is
// none: the request was not answered, answered without the response, or without its data.
bool isPidValueRead(const QString& text);
