#pragma once

#include "core/link/link_answer.h"

#include <QHash>
#include <QString>

// The answer count of an ELM327 v1.3 or later. After the last answer to a request the chip goes
// on listening for further control units until its time-out runs out, which costs most of each
// request's time on a CAN vehicle; one more hexadecimal digit after the request ("010C1") tells
// it how many answers to expect, and it returns as soon as they have come.
//
// Each request learns its own count. It starts at the number of control units that answered
// the supported-set request announcing its PIDs (a unit that answers none of 0120, 0200 or 0900
// has none of the PIDs, freeze-frame values or InfoTypes they announce), before that at the
// number that answered service 01 (every unit that reports anything is among them, so the first
// count never cuts an answer off); a request that fewer units answer waits the chip's time-out
// once, with every answer kept, and from then on goes out with the number it got: on a car whose
// transmission answers only some PIDs, those it does not answer cost no time-out each cycle. A
// request nobody answered (or that the interface left without an answer) goes out without the count
// from then on; a chip that takes the digit for a wrong command ("?") gets no count any more at
// all.
//
// Counted are the requests that one message per unit answers: current data (service 01, up to
// six PIDs at once), freeze-frame values (service 02), vehicle information (service 09) and the
// trouble-code lists (03, 07, 0A).
//
// Pure bookkeeping: the exchange sends and reads, this says what to send and what an answer means.
class AnswerCount {
public:
    enum class Verdict {
        Keep,      // the answer stands
        SendPlain, // send the request again without the count and take that answer
    };

    // Counting for `units` control units (1 to 15); anything else switches it off. Every request
    // starts with that count.
    void start(int units);
    bool active() const { return m_units > 0; }

    // The request as it goes out with the count ("010C" becomes "010C1"); empty when the request
    // goes out as it is.
    QString countedRequest(const QString& command) const;

    // The cleaned answer to countedRequest(command), holding `responses` messages.
    Verdict judge(const QString& command, const LinkAnswer& answer, int responses);

private:
    // The count a request starts with: the units that answered the supported-set request that
    // announces its items, where known, else those that answered 0100.
    int firstCount(const QString& command) const;

    int m_units = 0;
    // Units that answered each supported-set request, by service * 0x100 + its PID.
    QHash<int, int> m_blockUnits;
    // What each request has shown: the number of answers it gets, 0 for none (sent plain).
    QHash<QString, int> m_learned;
};
