#pragma once

#include <QString>

struct MonitorTestResult;

// Names of the standardised monitor and test IDs of on-board monitoring (service 06), in the
// language of the run (the patterns are translated texts, the numbers filled in afterwards).
namespace monitor_names {

// A monitor, test or component ID as the standard writes it: two hexadecimal digits ("0B").
QString idText(int id);

// "Catalyst monitor bank 1", "Misfire cylinder 3 data", "Supported monitors 21-40", a
// manufacturer's monitor (E1..FF) as "Manufacturer monitor E1", any other as "Monitor 9A".
QString monitorName(int mid);

// The standardised tests 01..0C, a manufacturer's test (80..FF) as "Manufacturer test 85", any
// other as "Test 1F".
QString testName(int tid);

// The texts of one result row wherever results are listed, so that the command line and the
// report name a row alike. A CAN row names its monitor, a row of the older protocols its
// component ("Component 01"); a manufacturer's test its ID ("TID 85"), which says more than
// "Manufacturer test". The unit is "unknown unit" for a scaling this program does not know and
// "raw" for the unscaled numbers of the older protocols.
QString rowMonitorText(const MonitorTestResult& row);
QString rowTestText(const MonitorTestResult& row);
QString rowUnitText(const MonitorTestResult& row);

} // namespace monitor_names
