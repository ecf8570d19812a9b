#pragma once

#include "core/link/link_answer.h"
#include "core/link/unit_answer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cctype>

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

    // The answer to a request as the messages of the control units that answered it, each the
    // bytes of one response ("41 0C 1A F8 0D 32"), in the order they came: where the answer
    // keeps them apart (a CAN vehicle), else the whole answer as one message when it is all
    // hexadecimal, and no message when it is not (NO DATA). Nothing when no answer came.
    virtual std::optional<QList<QByteArray>> exchangeMessages(const QString& command) {
        const LinkAnswer answer = exchange(command);
        if (!answer)
            return std::nullopt;
        return messagesOf(*answer);
    }

    // The answer split by the control unit that sent each part, for the reads that must say which
    // unit answered (supported sets, trouble codes, vehicle information). Links that cannot tell
    // the units apart, and an interface that does not print headers, give the whole answer as one
    // part without a unit.
    virtual UnitAnswers exchangePerUnit(const QString& command) {
        const LinkAnswer answer = exchange(command);
        if (!answer)
            return std::nullopt;
        return QList<UnitAnswer>{UnitAnswer{QString(), *answer}};
    }

    // False while exchangePerUnit() cannot tell the units apart on this connection (always, for
    // links without headers).
    virtual bool unitsApart() const { return false; }

    // How many service 01 PIDs one request may ask for (an ELM327 on CAN takes up to six), and
    // the way back to one when a vehicle has not answered such a request whole.
    virtual int pidsPerRequest() const { return 1; }
    virtual void refuseGroupedRequests() {}

    // True while the answers come from a CAN vehicle (ISO 15765-4) through an ELM327. They are
    // already laid out as an ISO 9141 vehicle lays them out, but a CAN vehicle reports no message
    // counts of its vehicle information: the readers count the messages of the answer instead.
    virtual bool canLayout() const { return false; }

    // From now on, a raised stop signal ends the exchange in progress without an answer and
    // makes later exchanges return none without sending anything; null: nothing stops them.
    // The signal must outlive its use; links that cannot be stopped ignore it.
    virtual void setStopSignal(const StopSignal* /*signal*/) {}

protected:
    // A cleaned answer as one message: its bytes when it is all hexadecimal (blanks aside), else
    // none.
    static QList<QByteArray> messagesOf(const QString& answer) {
        QByteArray hex = answer.toLatin1();
        hex.replace(' ', QByteArray());
        for (char c : hex)
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return {};
        if (hex.isEmpty() || hex.size() % 2 != 0)
            return {};
        return {QByteArray::fromHex(hex)};
    }
};
