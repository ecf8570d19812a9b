#include "core/j1979/monitor_status.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/response_fields.h"
#include "core/link/command_link.h"

namespace {

// "4101" and the data bytes A to D.
constexpr qsizetype wholeRecord = 4 + 2 * 4;

} // namespace

MonitorStatus parseMonitorStatus(const QString& answer) {
    MonitorStatus status;
    if (!answer.startsWith(QLatin1String("4101")) || answer.size() < wholeRecord) {
        return status;
    }
    const qint64 a = response_fields::dataByte(answer, 1, 5);
    const qint64 b = response_fields::dataByte(answer, 2, 5);
    const qint64 c = response_fields::dataByte(answer, 3, 5);
    const qint64 d = response_fields::dataByte(answer, 4, 5);

    status.answered = true;
    status.milOn = isBitSet(a, 7);
    status.troubleCodeCount = int(a & 0x7F);
    for (const EvaluatedMonitor& m : evaluatedMonitors) {
        const std::size_t bit = std::size_t(m.bit);
        if (m.continuous) {
            status.continuousSupported[bit] = isBitSet(b, m.bit);
            status.continuousCompleted[bit] = isBitSet(b, m.bit) && !isBitSet(b, m.bit + 4);
        } else {
            status.nonContinuousSupported[bit] = isBitSet(c, m.bit);
            status.nonContinuousCompleted[bit] = isBitSet(c, m.bit) && !isBitSet(d, m.bit);
        }
    }
    return status;
}

MonitorReadiness readiness(const MonitorStatus& status, const EvaluatedMonitor& monitor) {
    const std::size_t bit = std::size_t(monitor.bit);
    return monitor.continuous
               ? MonitorReadiness{status.continuousSupported[bit], status.continuousCompleted[bit]}
               : MonitorReadiness{status.nonContinuousSupported[bit],
                                  status.nonContinuousCompleted[bit]};
}

MonitorStatus readMonitorStatus(CommandLink& link) {
    const LinkAnswer answer = link.exchange(QStringLiteral("0101"));
    return answer ? parseMonitorStatus(*answer) : MonitorStatus();
}
