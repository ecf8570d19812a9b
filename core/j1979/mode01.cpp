#include "core/j1979/mode01.h"

#include "core/j1979/pid_request.h"

QString TMode01::GetPIDValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                             bool english) const {
    return RequestPidValue(link, serviceText, pidText, 1, QString(), 5, english);
}

bool TMode01::ReadStatus(CommandLink& link) {
    m_supported = ReadSupportedPIDs(link, QStringLiteral("01"), QStringLiteral("00"));
    ReadMonitorStatus(link);
    m_obdType = GetPIDValue(link, QStringLiteral("01"), QStringLiteral("1C"), false);
    return true;
}

const TMonitorStatus& TMode01::ReadMonitorStatus(CommandLink& link) {
    m_monitorStatus = ::ReadMonitorStatus(link);
    return m_monitorStatus;
}
