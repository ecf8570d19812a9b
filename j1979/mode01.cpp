#include "j1979/mode01.h"

#include "app/const_str.h"
#include "j1979/hex_conversions.h"
#include "j1979/pid_decoder.h"
#include "j1979/response_fields.h"
#include "link/command_link.h"

QString TMode01::GetPIDValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                             bool english) const {
    const QString service = response_fields::firstTwo(serviceText);
    if (HexToInt(service) != 1) {
        return const_str::Error;
    }
    const QString pid = response_fields::firstTwo(pidText);
    const qint64 pidNumber = HexToInt(pid);
    if (pidNumber < 1) {
        return const_str::NotAvailable;
    }
    if (!pid_decoder::IsRequested(int(pidNumber))) {
        return const_str::Error;
    }
    const QString answer = link.Exchange(service + pid);
    // The data are read from the start of the answer even when the response stands further on.
    if (!answer.contains(response_fields::responseCode(service) + pid)) {
        return const_str::Error;
    }
    return pid_decoder::DecodePid(int(pidNumber), answer, 5, english);
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
