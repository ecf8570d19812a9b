#pragma once

#include "core/faultcodes/fault_record.h"

#include <QString>
#include <stdexcept>

// Writes a language module: the records in the table layout, packed into the container, stored
// at /FAULT of a Qt binary resource file made by Qt's own resource compiler (rcc). Using rcc
// rather than writing that format ourselves keeps the file readable by every Qt version the
// program is built with.
namespace module_builder {

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rcc of the Qt the tool was built with, unless the variable FAULTPACK_RCC names another.
QString defaultRcc();

// Writes the module to modulePath (replacing it only once the new one is complete).
void build(const FaultRecords& records, const QString& modulePath,
           const QString& rcc = defaultRcc());

// Writes any container bytes as /FAULT: for modules the tests make deliberately damaged.
void buildFromContainer(const QByteArray& container, const QString& modulePath,
                        const QString& rcc = defaultRcc());

} // namespace module_builder
