#pragma once

// The service objects the main window creates once for the whole run, in this order: 01, 02, 03,
// 05, 06, 07, 08, 09. There is none for service 04: clearing is clearTroubleCodes.

#include "core/j1979/o2_sensor_tests.h"
#include "core/j1979/service01.h"
#include "core/j1979/service02.h"
#include "core/j1979/service09.h"
#include "core/j1979/trouble_codes.h"

// Service 06 (on-board monitoring results): the program reads nothing of it; its step of the
// connection sequence succeeds at once.
class Service06 {
public:
    bool init() { return true; }
};

// Service 08 (control of on-board systems): the program sends nothing; its step of the connection
// sequence succeeds at once.
class Service08 {
public:
    bool init() { return true; }
};
