#include "core/j1979/service01.h"

#include "core/j1979/pid_request.h"

PidValue Service01::pidValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                             bool english) const {
    return requestPidValue(link, serviceText, pidText, 1, QString(), 5, english);
}

bool Service01::readStatus(CommandLink& link) {
    m_supported = readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00"));
    readMonitorStatus(link);
    m_obdType = pidValue(link, QStringLiteral("01"), QStringLiteral("1C"), false);
    return true;
}

const MonitorStatus& Service01::readMonitorStatus(CommandLink& link) {
    m_monitorStatus = ::readMonitorStatus(link);
    return m_monitorStatus;
}
