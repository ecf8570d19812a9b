#pragma once

#include "core/faultcodes/fault_record.h"

#include <QByteArray>
#include <QByteArrayView>

// The record layout inside the unpacked data of a language module (layout in the .cpp).
namespace fault_record_format {

// Seventy times the records of the tables we ship.
inline constexpr quint32 kMaxRecords = 200000;

QByteArray serialize(const FaultRecords& records);

// Throws FaultTableError when the data do not follow the layout or hold more than kMaxRecords.
FaultRecords parse(QByteArrayView data);

} // namespace fault_record_format
