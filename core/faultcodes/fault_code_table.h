#pragma once

#include "core/faultcodes/fault_record.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

// The read-only table of trouble-code descriptions of one language (faultCodeTable): the
// records in their order, an index for lookups, and the manufacturer list derived from them.
class FaultCodeTable {
public:
    // Replaces the whole content; the index and manufacturer list follow.
    void setRecords(FaultRecords records);
    void clear() { setRecords({}); }

    const FaultRecords& records() const { return m_records; }
    bool isEmpty() const { return m_records.isEmpty(); }

    // The description of the first record whose Code and Manufacturer equal the arguments
    // exactly (case-sensitive, whole field), or nothing.
    std::optional<QString> findDescription(const QString& code, const QString& manufacturer) const;

    // Each record's maker, trimmed, whenever it differs from the previous record's (the first is
    // compared with an empty text): a maker whose records are split is listed again, an empty
    // maker at the start is not listed.
    const QStringList& manufacturers() const { return m_manufacturers; }

private:
    FaultRecords m_records;
    // Each code's first record; further records with that code follow through m_nextSameCode in
    // table order, so the first match of a walk is the first record of the table.
    QHash<QString, qsizetype> m_firstByCode;
    std::vector<qsizetype> m_nextSameCode;
    QStringList m_manufacturers;
};

// Codes of the "P0" range are defined for every vehicle and looked up as "Generic"; any other
// code under the maker the user has selected.
QString manufacturerForCode(const QString& code, const QString& selectedManufacturer);

// A maker as the user reads it: the table's "Generic" key in the run's language, names as they are.
QString manufacturerCaption(const QString& manufacturer);
