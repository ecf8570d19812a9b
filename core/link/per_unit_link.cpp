#include "core/link/per_unit_link.h"

UnitAnswers PerUnitCache::fetch(const QString& command) {
    if (const auto known = m_answers.constFind(command); known != m_answers.cend())
        return *known;
    UnitAnswers parts = m_link.exchangePerUnit(command);
    if (parts) {
        for (const UnitAnswer& part : *parts)
            if (!m_units.contains(part.unit) && !isBusWord(part.answer))
                m_units << part.unit;
    }
    m_answers.insert(command, parts);
    return parts;
}

bool PerUnitCache::isBusWord(const QString& answer) {
    // Only data names a unit; "NO DATA" of a link that cannot tell units apart names none.
    return answer.isEmpty() || !answer.at(0).isDigit();
}

LinkAnswer PerUnitCache::exchange(const QString& command) {
    return mergedAnswer(fetch(command));
}

LinkAnswer UnitLink::exchange(const QString& command) {
    const UnitAnswers parts = m_cache.fetch(command);
    if (!parts)
        return std::nullopt;
    for (const UnitAnswer& part : *parts)
        if (part.unit == m_unit)
            return part.answer;
    return QStringLiteral("NO DATA");
}

LinkAnswer mergedAnswer(const UnitAnswers& parts) {
    if (!parts)
        return std::nullopt;
    QString merged;
    for (const UnitAnswer& part : *parts)
        merged += part.answer;
    return merged;
}
