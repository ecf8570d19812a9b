#pragma once

#include <QList>
#include <QString>

// One row of the fault-code table.
struct FaultRecord {
    QString code;         // trouble-code text, e.g. P0125
    QString manufacturer; // "Generic" or a maker's name
    QString description;  // in the language of the module

    bool operator==(const FaultRecord&) const = default;
};

using FaultRecords = QList<FaultRecord>;

// Widths of the table's fields in characters; longer values are cut when read.
namespace fault_fields {
inline constexpr int kCodeSize = 5;
inline constexpr int kManufacturerSize = 40;
inline constexpr int kDescriptionSize = 128;
} // namespace fault_fields

// The maker whose records serve the codes defined for every vehicle.
inline const QString kGenericManufacturer = QStringLiteral("Generic");
