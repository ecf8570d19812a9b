#include "core/j1979/service01.h"

#include "core/j1979/extended_pids.h"
#include "core/j1979/hex_conversions.h"
#include "core/j1979/pid_request.h"
#include "core/j1979/response_fields.h"
#include "core/link/command_link.h"

#include <algorithm>

namespace {

bool tellsPresenceInByteA(const extended_pids::PidDescription& description) {
    return std::any_of(description.subValues.cbegin(), description.subValues.cend(),
                       [](const extended_pids::SubValue& sub) { return sub.availabilityBit >= 0; });
}

// One request per supported PID that tells in byte A which of its values the vehicle has, once
// per connection, so that the lists offer only the values that are there. A PID that does not
// answer, or answers garbled, keeps offering all of its values.
void readPresenceBytes(CommandLink& link, SupportedPidSet& set) {
    for (const extended_pids::PidDescription& description : extended_pids::descriptions()) {
        if (!set[std::size_t(description.pid - 1)] || !tellsPresenceInByteA(description))
            continue;
        const QString pid = QStringLiteral("%1").arg(description.pid, 2, 16).toUpper();
        const LinkAnswer answer = link.exchange(QStringLiteral("01") + pid);
        if (!answer || !answer->startsWith(QStringLiteral("41") + pid) || answer->size() < 6)
            continue;
        try {
            set.setPresenceByte(description.pid, quint8(response_fields::dataByte(*answer, 1, 5)));
        } catch (const HexConversionError&) {
        }
    }
}

} // namespace

PidValue Service01::pidValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                             bool english) const {
    return requestPidValue(link, serviceText, pidText, 1, QString(), 5, english);
}

QList<PidValue> Service01::pidValues(CommandLink& link, const QString& serviceText,
                                     const QString& pidText, bool english) const {
    return requestPidValues(link, serviceText, pidText, 1, QString(), 5, english);
}

bool Service01::readStatus(CommandLink& link) {
    m_supported = readSupportedPids(link, QStringLiteral("01"), QStringLiteral("00"));
    readPresenceBytes(link, m_supported);
    readMonitorStatus(link);
    m_obdType = pidValue(link, QStringLiteral("01"), QStringLiteral("1C"), false);
    return true;
}

const MonitorStatus& Service01::readMonitorStatus(CommandLink& link) {
    m_monitorStatus = ::readMonitorStatus(link, m_supported[0x41 - 1]);
    return m_monitorStatus;
}
