#include "core/j1979/in_use_ratios.h"

#include "core/l10n/const_str.h"

#include <array>

namespace {

// The monitors in the order their counter pairs follow the two general counters.
const std::array<const QString*, 9> sparkMonitors{
    &const_str::IuprCatalyst1,   &const_str::IuprCatalyst2,        &const_str::IuprOxygen1,
    &const_str::IuprOxygen2,     &const_str::IuprEgrVvt,           &const_str::IuprSecondaryAir,
    &const_str::IuprEvaporative, &const_str::IuprSecondaryOxygen1, &const_str::IuprSecondaryOxygen2,
};
const std::array<const QString*, 7> compressionMonitors{
    &const_str::IuprNmhc,        &const_str::IuprNoxScr,        &const_str::IuprNoxAdsorber,
    &const_str::IuprParticulate, &const_str::IuprExhaustSensor, &const_str::IuprEgrVvt,
    &const_str::IuprBoost,
};

constexpr qsizetype messageLength = 14; // "49" type number, four data bytes
constexpr qsizetype headLength = 6;

bool isHex(QStringView text) {
    for (QChar c : text)
        if (!c.isDigit() && !(c >= u'A' && c <= u'F'))
            return false;
    return true;
}

} // namespace

InUseRatios parseInUseRatios(const QString& answer, int infoType, std::optional<int> messageCount) {
    InUseRatios result;
    result.compressionIgnition = infoType == 0x0B;
    const QString response = QStringLiteral("49") +
                             QStringLiteral("%1").arg(infoType, 2, 16, QLatin1Char('0')).toUpper();
    if (!answer.startsWith(response)) {
        result.problem = InUseRatios::Problem::NotAnswered;
        return result;
    }
    QList<int> counters;
    bool half = false;
    int message = 0;
    for (qsizetype at = 0; at < answer.size(); at += messageLength) {
        const QStringView piece = QStringView(answer).mid(at, messageLength);
        ++message;
        const qsizetype data = piece.size() - headLength;
        if (!piece.startsWith(response) || !isHex(piece) || (data != 8 && data != 4) ||
            piece.mid(4, 2).toInt(nullptr, 16) != message || half) {
            result.problem = InUseRatios::Problem::Garbled;
            return result;
        }
        for (qsizetype c = headLength; c < piece.size(); c += 4)
            counters << piece.mid(c, 4).toInt(nullptr, 16);
        // Only the last message may end after one counter.
        half = data == 4;
    }
    if (messageCount && *messageCount != message) {
        result.problem = InUseRatios::Problem::Garbled;
        return result;
    }
    if (counters.size() % 2 != 0 || counters.size() < 2) {
        result.problem = InUseRatios::Problem::OddCount;
        return result;
    }
    result.problem = InUseRatios::Problem::None;
    result.obdConditions = counters.at(0);
    result.ignitionCycles = counters.at(1);
    const auto name = [&](qsizetype n) {
        const auto pick = [n](const auto& table) {
            return n < qsizetype(table.size()) ? *table.at(size_t(n))
                                               : const_str::IuprFurther.arg(n + 1);
        };
        return result.compressionIgnition ? pick(compressionMonitors) : pick(sparkMonitors);
    };
    for (qsizetype c = 2; c + 1 < counters.size(); c += 2)
        result.monitors.append(InUseRatio{name(c / 2 - 1), counters.at(c), counters.at(c + 1)});
    return result;
}
