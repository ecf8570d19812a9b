#pragma once

#include <QString>

class ElmExchange;

// The interface's own commands. Each returns the "Error" sentinel unless commands can go out and
// the answer is the expected one.
QString elmReset(ElmExchange& link);              // "ATZ": "OK" when the chip names itself
QString elmIdentify(ElmExchange& link);           // "ATI": the chip version, e.g. "ELM323 v2.0"
QString elmEcho(ElmExchange& link, bool on);      // "ATE1" / "ATE0": "OK"
QString elmLinefeeds(ElmExchange& link, bool on); // "ATL1" / "ATL0": "OK"
