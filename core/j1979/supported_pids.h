#pragma once

#include <QString>
#include <array>

class CommandLink;

// Entry i tells whether parameter number i + 1 (01..50 hexadecimal) is supported.
using SupportedPidSet = std::array<bool, 80>;

// Reads the bitmaps of PIDs 00, 20 and 40 of the service (each further block only when the one
// before announced it). The frame text is appended to the requests of services 02 and 05 only.
// Only the first control unit's answer counts; unanswered blocks stay unsupported.
SupportedPidSet readSupportedPids(CommandLink& link, const QString& service, const QString& frame);

// Whether the PID (one or two hexadecimal digits, "01".."50") is in the set; anything outside
// that range is not.
bool isSupported(const SupportedPidSet& set, const QString& pid);

// The ECU presence check: up to three "0100" requests, success at the first answer holding "41".
bool checkEcuConnection(CommandLink& link);
