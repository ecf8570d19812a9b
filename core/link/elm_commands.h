#pragma once

#include "core/link/elm_reply.h"

class ElmExchange;

// The interface's own commands. Each returns nothing unless commands can go out and the answer is
// the expected one.
// "ATZ": "OK" when the chip names itself. With settleMs the line must be quiet that long after the
// answer, and a late answer to an earlier reset is passed over (ElmExchange::exchangeSettled).
ElmReply elmReset(ElmExchange& link, int settleMs = 0);
ElmReply elmIdentify(ElmExchange& link);           // "ATI": the chip version, e.g. "ELM323 v2.0"
ElmReply elmEcho(ElmExchange& link, bool on);      // "ATE1" / "ATE0": "OK"
ElmReply elmLinefeeds(ElmExchange& link, bool on); // "ATL1" / "ATL0": "OK"
