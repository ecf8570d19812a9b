#include "core/j1979/monitor_status.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/response_fields.h"
#include "core/link/command_link.h"

#include <algorithm>

namespace {

// "4101" and the data bytes A to D.
constexpr qsizetype wholeRecord = 4 + 2 * 4;

// Bytes B to D of an answer to "01" + pid, when it starts with "41" + pid and holds byte A to D.
std::optional<MonitorFlags> parseFlags(const QString& answer, QLatin1String pid) {
    if (!answer.startsWith(QLatin1String("41")) || answer.mid(2, 2) != pid ||
        answer.size() < wholeRecord)
        return std::nullopt;
    const qint64 b = response_fields::dataByte(answer, 2, 5);
    const qint64 c = response_fields::dataByte(answer, 3, 5);
    const qint64 d = response_fields::dataByte(answer, 4, 5);
    MonitorFlags flags;
    flags.ignition = isBitSet(b, 3) ? Ignition::Compression : Ignition::Spark;
    for (int bit = 0; bit < 3; ++bit) {
        flags.continuousSupported[std::size_t(bit)] = isBitSet(b, bit);
        flags.continuousCompleted[std::size_t(bit)] = isBitSet(b, bit) && !isBitSet(b, bit + 4);
    }
    for (int bit = 0; bit < 8; ++bit) {
        flags.nonContinuousSupported[std::size_t(bit)] = isBitSet(c, bit);
        flags.nonContinuousCompleted[std::size_t(bit)] = isBitSet(c, bit) && !isBitSet(d, bit);
    }
    return flags;
}

} // namespace

MonitorStatus parseMonitorStatus(const QString& answer) {
    MonitorStatus status;
    const std::optional<MonitorFlags> flags = parseFlags(answer, QLatin1String("01"));
    if (!flags)
        return status;
    const qint64 a = response_fields::dataByte(answer, 1, 5);
    static_cast<MonitorFlags&>(status) = *flags;
    status.answered = true;
    status.milOn = isBitSet(a, 7);
    status.troubleCodeCount = int(a & 0x7F);
    return status;
}

std::optional<MonitorFlags> parseDriveCycleStatus(const QString& answer) {
    return parseFlags(answer, QLatin1String("41"));
}

MonitorReadiness readiness(const MonitorFlags& flags, const EvaluatedMonitor& monitor) {
    const std::size_t bit = std::size_t(monitor.bit);
    // Bytes C and D name other monitors on the other ignition type: a diesel's particulate filter
    // bit is no oxygen-sensor heater, so a monitor of the other set is not supported there.
    const auto own = fullMonitors(flags.ignition);
    if (std::none_of(own.begin(), own.end(),
                     [&](const EvaluatedMonitor& m) { return m.monitor == monitor.monitor; }))
        return MonitorReadiness{};
    return monitor.continuous
               ? MonitorReadiness{flags.continuousSupported[bit], flags.continuousCompleted[bit]}
               : MonitorReadiness{flags.nonContinuousSupported[bit],
                                  flags.nonContinuousCompleted[bit]};
}

std::span<const EvaluatedMonitor> fullMonitors(Ignition ignition) {
    if (ignition == Ignition::Compression)
        return compressionMonitors;
    return sparkMonitors;
}

bool isEvaluated(Monitor monitor) {
    return std::any_of(evaluatedMonitors.begin(), evaluatedMonitors.end(),
                       [monitor](const EvaluatedMonitor& m) { return m.monitor == monitor; });
}

QList<EvaluatedMonitor> furtherSupportedMonitors(const MonitorFlags& flags) {
    QList<EvaluatedMonitor> further;
    for (const EvaluatedMonitor& m : fullMonitors(flags.ignition))
        if (!isEvaluated(m.monitor) && readiness(flags, m).supported)
            further.append(m);
    return further;
}

MonitorStatus readMonitorStatus(CommandLink& link, bool withDriveCycle) {
    const LinkAnswer answer = link.exchange(QStringLiteral("0101"));
    MonitorStatus status = answer ? parseMonitorStatus(*answer) : MonitorStatus();
    if (!status.answered || !withDriveCycle)
        return status;
    const LinkAnswer cycle = link.exchange(QStringLiteral("0141"));
    // A garbled answer about this drive cycle must not cost the status that came whole.
    try {
        const std::optional<MonitorFlags> flags =
            cycle ? parseDriveCycleStatus(*cycle) : std::nullopt;
        status.driveCycleAnswered = flags.has_value();
        if (flags)
            status.driveCycle = *flags;
    } catch (const HexConversionError&) {
    }
    return status;
}
