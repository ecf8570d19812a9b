#pragma once

#include "core/faultcodes/fault_record.h"

#include <QString>
#include <stdexcept>

// The editable source of a fault-code table: UTF-8 text, one record a line as
// Code TAB Manufacturer TAB Description. Empty lines and lines starting with '#' are skipped.
namespace fault_table_tsv {

// A source line that cannot become a record; the message names the file and line.
class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// P, C, B or U, a digit 0-3, then three upper-case hexadecimal digits.
bool isValidCode(const QString& code);

// Reads and checks every line: three fields, a valid code, a maker and a description that are
// not empty, have no blanks at either end and fit their field widths.
FaultRecords read(const QString& path);

// One record a line, as dump prints it.
QString format(const FaultRecord& record);

} // namespace fault_table_tsv
