#include "core/link/baud_probe.h"

#include "core/link/answer_text.h"
#include "core/link/deadline.h"
#include "core/link/serial_channel.h"

namespace {

constexpr int kReturnMs = 150; // the carriage return's prompt
constexpr int kQuietMs = 50;   // after bytes without a prompt: the chip has said all it will
constexpr qsizetype kProbeLimit = 512;

// Reads until a prompt, a pause of quietMs after some bytes, or totalMs; false on a stop.
bool readBrief(SerialChannel& channel, QByteArray& buffer, int totalMs, const StopSignal* stop) {
    const Deadline end = deadlineIn(totalMs);
    while (!hasPassed(end) && buffer.size() < kProbeLimit) {
        const int wait = buffer.isEmpty() ? msUntil(end) : std::min(msUntil(end), kQuietMs);
        const SerialChannel::WaitOutcome outcome = channel.waitForDataOrStop(wait, stop);
        if (outcome == SerialChannel::WaitOutcome::Stopped)
            return false;
        if (outcome == SerialChannel::WaitOutcome::Silence)
            break;
        buffer += channel.readUpTo(kProbeLimit - buffer.size());
        if (buffer.contains('>'))
            break;
    }
    return true;
}

// Text a chip prints: letters, digits, punctuation and line ends. At a wrong speed the bytes
// come out as anything, mostly outside that.
bool readable(const QByteArray& bytes) {
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (!(u == '\r' || u == '\n' || (u >= 0x20 && u < 0x7F)))
            return false;
    }
    return true;
}

} // namespace

namespace baud_probe {

QList<int> ratesToTry(int stored) {
    QList<int> rates;
    if (stored > 0)
        rates << stored;
    for (const int rate : kCommonRates)
        if (rate != stored)
            rates << rate;
    return rates;
}

Outcome probe(SerialChannel& channel, const StopSignal* stop) {
    QByteArray returned;
    channel.write("\r");
    if (!readBrief(channel, returned, kReturnMs, stop))
        return {Outcome::Stopped, {}};
    QByteArray answer;
    channel.write("ATI\r");
    if (!readBrief(channel, answer, kAnswerMs, stop))
        return {Outcome::Stopped, {}};
    if (channel.receivedCount() > 0)
        channel.purge();
    const bool garbled = !readable(returned) || !readable(answer);
    const qsizetype prompt = answer.indexOf('>');
    if (!garbled && prompt >= 0) {
        const LinkAnswer lines = answer_text::linesFromSerial(answer, QStringLiteral("ATI"));
        // Any readable answer shows the speed is right, even a chip's "?" to ATI.
        return {Outcome::Answered, lines ? lines->section(QLatin1Char('\n'), -1) : QString()};
    }
    return {returned.isEmpty() && answer.isEmpty() ? Outcome::Silent : Outcome::Unreadable, {}};
}

QString describe(const Outcome& outcome) {
    switch (outcome.result) {
    case Outcome::Answered:
        return outcome.answer.isEmpty() ? QStringLiteral("answered") : outcome.answer;
    case Outcome::Unreadable:
        return QStringLiteral("unreadable answer");
    case Outcome::Stopped:
        return QStringLiteral("stopped");
    case Outcome::Silent:
        break;
    }
    return QStringLiteral("no answer");
}

} // namespace baud_probe
