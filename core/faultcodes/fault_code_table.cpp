#include "core/faultcodes/fault_code_table.h"

#include "core/l10n/const_str.h"

namespace {
constexpr qsizetype kNone = -1;
}

void FaultCodeTable::setRecords(FaultRecords records) {
    m_records = std::move(records);
    m_firstByCode.clear();
    m_firstByCode.reserve(m_records.size());
    m_nextSameCode.assign(size_t(m_records.size()), kNone);
    // Walking backwards leaves each chain in table order.
    for (qsizetype i = m_records.size() - 1; i >= 0; --i) {
        auto it = m_firstByCode.find(m_records[i].code);
        if (it == m_firstByCode.end()) {
            m_firstByCode.insert(m_records[i].code, i);
        } else {
            m_nextSameCode[size_t(i)] = *it;
            *it = i;
        }
    }

    m_manufacturers.clear();
    QString last;
    for (const FaultRecord& r : std::as_const(m_records)) {
        const QString maker = r.manufacturer.trimmed();
        if (maker != last)
            m_manufacturers.append(maker);
        last = maker;
    }
}

std::optional<QString> FaultCodeTable::findDescription(const QString& code,
                                                       const QString& manufacturer) const {
    const auto it = m_firstByCode.constFind(code);
    if (it == m_firstByCode.constEnd())
        return std::nullopt;
    for (qsizetype i = *it; i != kNone; i = m_nextSameCode[size_t(i)]) {
        if (m_records[i].manufacturer == manufacturer)
            return m_records[i].description;
    }
    return std::nullopt;
}

QString manufacturerForCode(const QString& code, const QString& selectedManufacturer) {
    return code.startsWith(QLatin1String("P0")) ? kGenericManufacturer : selectedManufacturer;
}

QString manufacturerCaption(const QString& manufacturer) {
    return manufacturer == kGenericManufacturer ? const_str::GenericManufacturer : manufacturer;
}
