#include "core/j1979/monitor_tests.h"

#include "core/j1979/monitor_scaling.h"

namespace {

constexpr qsizetype canBlockSize = 9;
constexpr int lastBlockBase = 0xE0;

int byteAt(QByteArrayView data, qsizetype index) {
    return quint8(data[index]);
}

std::optional<quint16> wordAt(QByteArrayView data, qsizetype index) {
    if (index + 1 >= data.size()) {
        return std::nullopt;
    }
    return quint16(byteAt(data, index) << 8 | byteAt(data, index + 1));
}

// Judged on the raw numbers, not the scaled ones: scaling never reverses an order, and integers
// compare without rounding.
MonitorTestState verdict(qint32 value, qint32 minimum, qint32 maximum) {
    if (minimum > maximum) {
        return MonitorTestState::LimitsInverted;
    }
    return minimum <= value && value <= maximum ? MonitorTestState::Pass : MonitorTestState::Fail;
}

MonitorTestResult canResult(const QString& unitKey, QByteArrayView block) {
    MonitorTestResult result;
    result.unitKey = unitKey;
    result.mid = byteAt(block, 0);
    if (block.size() > 1) {
        result.tid = byteAt(block, 1);
    }
    if (block.size() > 2) {
        result.uasid = byteAt(block, 2);
    }
    const auto value = wordAt(block, 3);
    const auto minimum = wordAt(block, 5);
    const auto maximum = wordAt(block, 7);
    if (result.uasid < 0) {
        return result;
    }
    const auto scaled = [&](const std::optional<quint16>& word) -> std::optional<double> {
        if (!word) {
            return std::nullopt;
        }
        return monitor_scaling::scale(result.uasid, *word).value;
    };
    const monitor_scaling::ScaledValue unit = monitor_scaling::scale(result.uasid, 0);
    result.unit = unit.unit;
    result.unitKnown = unit.known;
    result.value = scaled(value);
    result.minimum = scaled(minimum);
    result.maximum = scaled(maximum);
    if (value && minimum && maximum) {
        const auto number = [&](quint16 word) {
            return monitor_scaling::rawNumber(result.uasid, word);
        };
        result.state = verdict(number(*value), number(*minimum), number(*maximum));
    }
    return result;
}

} // namespace

QList<int> supportedMonitorIds(const MidBlockRequest& requestBlock) {
    QList<int> ids;
    for (int base = 0; base <= lastBlockBase; base += 0x20) {
        const std::optional<QByteArray> bitmap = requestBlock(base);
        if (!bitmap || bitmap->size() < 4) {
            break;
        }
        const quint32 bits = quint32(quint8(bitmap->at(0))) << 24 |
                             quint32(quint8(bitmap->at(1))) << 16 |
                             quint32(quint8(bitmap->at(2))) << 8 | quint32(quint8(bitmap->at(3)));
        // Bit 31 is ID base + 1; bit 0 (base + 20) is the next block, not a monitor.
        for (int k = 1; k < 0x20; ++k) {
            if (bits & (1u << (32 - k))) {
                ids.append(base + k);
            }
        }
        if (!(bits & 1u)) {
            break;
        }
    }
    return ids;
}

QList<MonitorTestResult> parseCanMonitorAnswer(const QString& unitKey, QByteArrayView data) {
    QList<MonitorTestResult> results;
    results.reserve((data.size() + canBlockSize - 1) / canBlockSize);
    for (qsizetype at = 0; at < data.size(); at += canBlockSize) {
        results.append(canResult(unitKey, data.sliced(at, qMin(canBlockSize, data.size() - at))));
    }
    return results;
}

MonitorTestResult parseLegacyMonitorMessage(const QString& unitKey, QByteArrayView data) {
    MonitorTestResult result;
    result.unitKey = unitKey;
    if (!data.isEmpty()) {
        result.tid = byteAt(data, 0);
    }
    if (data.size() < 2) {
        return result;
    }
    const bool limitIsMinimum = (byteAt(data, 1) & 0x80) != 0;
    result.componentId = byteAt(data, 1) & 0x7F;
    const auto value = wordAt(data, 2);
    const auto limit = wordAt(data, 4);
    if (value) {
        result.value = *value;
    }
    if (limit) {
        (limitIsMinimum ? result.minimum : result.maximum) = *limit;
    }
    if (value && limit) {
        const bool holds = limitIsMinimum ? *value >= *limit : *value <= *limit;
        result.state = holds ? MonitorTestState::Pass : MonitorTestState::Fail;
    }
    return result;
}
