#pragma once

#include <QString>

// Names of the standardised monitor and test IDs of on-board monitoring (service 06), in the
// language of the run (the patterns are translated texts, the numbers filled in afterwards).
namespace monitor_names {

// "Catalyst monitor bank 1", "Misfire cylinder 3 data", "Supported monitors 21-40", a
// manufacturer's monitor (E1..FF) as "Manufacturer monitor E1", any other as "Monitor 9A".
QString monitorName(int mid);

// The standardised tests 01..0C, a manufacturer's test (80..FF) as "Manufacturer test 85", any
// other as "Test 1F".
QString testName(int tid);

} // namespace monitor_names
