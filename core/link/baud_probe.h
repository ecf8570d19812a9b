#pragma once

#include <QList>
#include <QString>

class SerialChannel;
class StopSignal;

// The automatic baud rate: which speeds to try, and one short probe at the speed the line is set
// to. A probe sends a carriage return (ending whatever the chip holds of bytes it got at another
// speed) and then ATI, and takes the answer when it comes as readable text with a prompt.
namespace baud_probe {

// The rates adapters are set to, the most common first.
inline constexpr int kCommonRates[] = {38400, 9600, 115200, 57600, 230400, 500000};
// How long one probe waits for the identify answer; a line that sent something and then fell
// quiet is given up sooner.
inline constexpr int kAnswerMs = 300;

// The stored rate first (when it is one), then the common rates not tried yet.
QList<int> ratesToTry(int stored);

struct Outcome {
    enum Result { Answered, Silent, Unreadable, Stopped };
    Result result = Silent;
    QString answer; // Answered: the identify line ("ELM327 v1.5")
};

Outcome probe(SerialChannel& channel, const StopSignal* stop);

// The probe's outcome for the communication log: "no answer", "unreadable answer", the answer.
QString describe(const Outcome& outcome);

} // namespace baud_probe
