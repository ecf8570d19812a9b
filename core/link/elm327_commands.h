#pragma once

#include "core/link/elm_reply.h"

#include <QString>

class ElmExchange;

// The commands only an ELM327 (and the chips that answer as one) knows. Like the other wrappers,
// each returns nothing unless commands can go out and the answer is the expected one.

// Whether the identify answer names an ELM327 rather than an ELM323.
bool isElm327(const QString& chipVersion);

// Whether the identify answer names an ELM327 v1.3 or later, which takes the number of answers to
// expect after a request ("010C1").
bool takesAnswerCount(const QString& chipVersion);

// "ATAT1": adaptive timing, the chip's time-out shortened to what the vehicle needs; "OK". A chip
// older than the command answers "?" and keeps its fixed time-out.
ElmReply elmAdaptiveTiming(ElmExchange& link);

// "ATS0": answers without the blanks between bytes, a sixth fewer characters on the line; "OK".
// A chip older than the command answers "?" and keeps them; the answers are read either way.
ElmReply elmSpacesOff(ElmExchange& link);

// "ATDPN": the protocol number, "A" in front when the chip found it by its automatic search.
ElmReply elmProtocolNumber(ElmExchange& link);

// Whether an ATDPN answer names a protocol the user fixed in the chip (a number without the "A"
// of the automatic search); such a choice is kept.
bool isFixedProtocol(const QString& protocolNumber);

// "ATSP0": automatic protocol search; "OK".
ElmReply elmAutomaticProtocol(ElmExchange& link);

// "ATSP n": the protocol of the hex digit (1 to C) and no search; "OK".
ElmReply elmSetProtocol(ElmExchange& link, const QString& digit);

// "AT ST hh": how long the chip waits for a vehicle answer, in 4 ms steps; "OK".
ElmReply elmTimeout(ElmExchange& link, int ms);
