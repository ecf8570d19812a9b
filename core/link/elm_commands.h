#pragma once

#include "core/link/elm_reply.h"

class ElmExchange;

// The interface's own commands. Each returns nothing unless commands can go out and the answer is
// the expected one.
ElmReply elmReset(ElmExchange& link);              // "ATZ": "OK" when the chip names itself
ElmReply elmIdentify(ElmExchange& link);           // "ATI": the chip version, e.g. "ELM323 v2.0"
ElmReply elmEcho(ElmExchange& link, bool on);      // "ATE1" / "ATE0": "OK"
ElmReply elmLinefeeds(ElmExchange& link, bool on); // "ATL1" / "ATL0": "OK"
