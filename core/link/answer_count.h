#pragma once

#include "core/link/link_answer.h"

#include <QSet>
#include <QString>

// The answer count of an ELM327 v1.3 or later. After the last answer to a request the chip goes
// on listening for further control units until its time-out runs out, which costs most of each
// request's time on a CAN vehicle; one more hexadecimal digit after the request ("010C1") tells
// it how many answers to expect, and it returns as soon as they have come.
//
// The count is the number of control units that answered service 01; every unit that reports a
// current value is among them, so a count never cuts an answer off. A PID that fewer units answer
// than the count (or none) is asked for without the count from then on, and that once again at
// once, so its value is not lost. A chip that takes the digit for a wrong command ("?") gets no
// count any more at all.
//
// Pure bookkeeping: the exchange sends and reads, this says what to send and what an answer means.
class AnswerCount {
public:
    enum class Verdict {
        Keep,      // the answer stands
        SendPlain, // send the request again without the count and take that answer
    };

    // Counting for `units` control units (1 to 15); anything else switches it off. Every PID
    // starts with the count.
    void start(int units);
    bool active() const { return m_units > 0; }

    // The request as it goes out with the count: a service 01 request of one PID ("010C" becomes
    // "010C1"); empty when the request goes out as it is.
    QString countedRequest(const QString& command) const;

    // The cleaned answer to countedRequest(command), holding `responses` messages.
    Verdict judge(const QString& command, const LinkAnswer& answer, int responses);

private:
    int m_units = 0;
    QSet<QString> m_plain; // requests that go out without the count
};
