#include "core/j1979/monitor_status.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/response_fields.h"
#include "core/link/command_link.h"

namespace {

// Of the non-continuous monitors only these are read from the answer.
constexpr int evaluatedNonContinuous[] = {0, 2, 5, 6};

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
    for (int bit = 0; bit < 3; ++bit) {
        status.continuousSupported[bit] = isBitSet(b, bit);
        status.continuousCompleted[bit] = isBitSet(b, bit) && !isBitSet(b, bit + 4);
    }
    for (int bit : evaluatedNonContinuous) {
        status.nonContinuousSupported[bit] = isBitSet(c, bit);
        status.nonContinuousCompleted[bit] = isBitSet(c, bit) && !isBitSet(d, bit);
    }
    return status;
}

MonitorStatus readMonitorStatus(CommandLink& link) {
    return parseMonitorStatus(link.exchange(QStringLiteral("0101")));
}
