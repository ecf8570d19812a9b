#pragma once

#include "core/link/link_answer.h"

#include <QString>

class StopSignal;

// One command and its answer, as one indivisible operation. Every reader of the diagnostic
// services is written against this: the interface exchange implements it for the serial line and
// the simulated vehicle, tests implement it with scripted answers.
class CommandLink {
public:
    virtual ~CommandLink() = default;

    // Sends the command (without line end) and returns the cleaned answer: the prompt and line ends
    // gone, blanks removed from answers that begin with "4"; nothing when no complete answer
    // arrived. Errors of the serial device are thrown.
    virtual LinkAnswer exchange(const QString& command) = 0;

    // A command the user typed: sent exactly as given, nothing added, and answered with what the
    // interface printed before its prompt, one line of the interface per line of the text (joined
    // by LF), each as it came (headers and blanks kept). Links without lines of their own answer
    // as exchange() does.
    virtual LinkAnswer exchangeAsTyped(const QString& command) { return exchange(command); }

    // True while the answers come from a CAN vehicle (ISO 15765-4) through an ELM327. They are
    // already laid out as an ISO 9141 vehicle lays them out, but a CAN vehicle reports no message
    // counts of its vehicle information: the readers count the messages of the answer instead.
    virtual bool canLayout() const { return false; }

    // From now on, a raised stop signal ends the exchange in progress without an answer and
    // makes later exchanges return none without sending anything; null: nothing stops them.
    // The signal must outlive its use; links that cannot be stopped ignore it.
    virtual void setStopSignal(const StopSignal* /*signal*/) {}
};
