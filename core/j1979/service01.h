#pragma once

#include "core/j1979/monitor_status.h"
#include "core/j1979/pid_value.h"
#include "core/j1979/supported_pids.h"

#include <QList>
#include <QString>

class CommandLink;

// Service 01, current data: what the connection sequence read about the vehicle, and the value
// decoder of the live data.
class Service01 {
public:
    // The display text of one PID: one exchange, the value in the chosen unit system. Nothing
    // (without a request) for another service than 01 and for PIDs 20 and 40, "N/A" for PID 00,
    // nothing when the answer lacks the response or its data bytes. Texts longer than two
    // characters are cut.
    // Non-hexadecimal data throw HexConversionError. Safe on any thread that owns the link.
    PidValue pidValue(CommandLink& link, const QString& service, const QString& pid,
                      bool english) const;
    // Every value of the PID from one exchange (several for PIDs above 4E that carry several).
    QList<PidValue> pidValues(CommandLink& link, const QString& service, const QString& pid,
                              bool english) const;

    // The service 01 part of the connection sequence: supported PIDs (with byte A of the
    // supported PIDs above 4E that tell in it which of their values the vehicle has), monitor
    // status, OBD type. Always reports success.
    bool readStatus(CommandLink& link);

    // Reads the monitor status again (with this drive cycle's where PID 41 is supported) and
    // keeps it.
    const MonitorStatus& readMonitorStatus(CommandLink& link);

    const SupportedPidSet& supportedPids() const { return m_supported; }
    const MonitorStatus& monitorStatus() const { return m_monitorStatus; }
    const PidValue& obdType() const { return m_obdType; }

private:
    SupportedPidSet m_supported{};
    MonitorStatus m_monitorStatus;
    PidValue m_obdType;
};
