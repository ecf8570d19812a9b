#include "core/link/elm_exchange.h"

#include "core/l10n/const_str.h"
#include "core/link/answer_text.h"
#include "core/link/can_answer.h"
#include "core/link/serial_channel.h"
#include "core/link/serial_port_error.h"
#include "core/link/simulated_channel.h"
#include "core/link/stop_signal.h"

#include <algorithm>
#include <chrono>

ElmExchange::ElmExchange(SerialChannel* channel) : m_channel(channel) {}

void ElmExchange::setChannel(SerialChannel* channel) {
    std::lock_guard lock(m_exchangeMutex);
    m_channel = channel;
}

QString ElmExchange::pendingDemoRequest() const {
    std::lock_guard lock(m_exchangeMutex);
    return m_simulated.lastRequest();
}

void ElmExchange::setStopSignal(const StopSignal* signal) {
    m_stop = signal;
}

bool ElmExchange::channelReady() const {
    return m_demoMode || (m_channel != nullptr && m_channel->isOpen());
}

void ElmExchange::setDeviceLostHandler(std::function<void(const QString&)> handler) {
    std::lock_guard lock(m_exchangeMutex);
    m_deviceLostHandler = std::move(handler);
}

LinkAnswer ElmExchange::exchange(const QString& command) {
    std::lock_guard lock(m_exchangeMutex);
    const StopSignal* stop = m_stop;
    if (stop != nullptr && stop->requested())
        return std::nullopt; // nothing is sent once a stop has been asked for
    // Read once, so that a switch made meanwhile cannot send to one side and read the other.
    if (m_demoMode)
        return simulatedExchange(command, stop);
    const Deadline deadline =
        m_exchangeTimeLimitMs > 0 ? deadlineIn(m_exchangeTimeLimitMs) : kNoDeadline;
    // Only a device that was there can get lost; a port that was never open is the caller's
    // mistake and stays a plain error.
    const bool deviceOpen = m_channel != nullptr && m_channel->isOpen();
    try {
        if (m_answerOutstanding)
            finishAbortedAnswer(requireChannel(), stop, deadline);
        const unsigned generation = m_countGeneration;
        if (generation != m_answerCountGeneration) {
            m_answerCount.start(m_countUnits);
            m_answerCountGeneration = generation;
        }
        const QString counted = m_canLayout ? m_answerCount.countedRequest(command) : QString();
        if (counted.isEmpty())
            return transfer(command, stop, deadline);
        const LinkAnswer answer = transfer(counted, stop, deadline);
        // A stopped exchange ends here; its cut answer says nothing about the count.
        if ((stop != nullptr && stop->requested()) ||
            m_answerCount.judge(command, answer, m_lastMessages) == AnswerCount::Verdict::Keep)
            return answer;
        return transfer(command, stop, deadline);
    } catch (const SerialPortError& error) {
        if (deviceOpen)
            reportDeviceLost(error.message());
        throw;
    }
}

LinkAnswer ElmExchange::simulatedExchange(const QString& command, const StopSignal* stop) {
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - S: ") + command);
    const LinkAnswer answer = m_simulated.transfer(command, stop);
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - R: ") + answer.value_or(const_str::Error));
    return answer;
}

LinkAnswer ElmExchange::transfer(const QString& command, const StopSignal* stop,
                                 Deadline deadline) {
    sendCommand(command);
    const LinkAnswer answer = readAnswer(stop, deadline);
    if (m_canLayout && command == QLatin1String("0100"))
        m_service01Units = m_lastMessages;
    return answer;
}

void ElmExchange::setCanLayout(bool on) {
    m_canLayout = on;
    if (!on) {
        m_service01Units = 0;
        startAnswerCount(0);
    }
}

void ElmExchange::startAnswerCount(int units) {
    m_countUnits = m_answerCountAllowed ? units : 0;
    ++m_countGeneration;
}

void ElmExchange::reportDeviceLost(const QString& reason) {
    m_noCommunication = true;
    if (m_deviceLostHandler)
        m_deviceLostHandler(reason);
}

int ElmExchange::waitTime(Deadline deadline) const {
    return msUntil(deadline, m_silenceTimeoutMs);
}

SerialChannel& ElmExchange::requireChannel() const {
    if (m_channel == nullptr)
        throw SerialPortError(QStringLiteral("No serial port has been set up."));
    return *m_channel;
}

void ElmExchange::sendCommand(const QString& command) {
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - S: ") + command);
    requireChannel().write(command.toLatin1() + '\r');
}

LinkAnswer ElmExchange::readAnswer(const StopSignal* stop, Deadline deadline) {
    const QByteArray buffer = readSerialAnswer(requireChannel(), stop, deadline);
    const LinkAnswer result =
        m_canLayout ? can_answer::fromSerial(buffer) : answer_text::fromSerial(buffer);
    m_lastMessages = m_canLayout ? can_answer::messageCount(buffer) : 0;
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - R: ") + result.value_or(const_str::Error));
    return result;
}

QByteArray ElmExchange::readSerialAnswer(SerialChannel& channel, const StopSignal* stop,
                                         Deadline deadline) {
    QByteArray buffer;
    for (;;) {
        if (hasPassed(deadline))
            break; // as silence: what came is no whole answer
        const SerialChannel::WaitOutcome outcome =
            channel.waitForDataOrStop(waitTime(deadline), stop);
        if (outcome == SerialChannel::WaitOutcome::Stopped) {
            // What has come of the answer stays queued: the next exchange reads on to its prompt.
            m_answerOutstanding = true;
            return buffer;
        }
        if (outcome == SerialChannel::WaitOutcome::Silence)
            break;
        const qsizetype before = buffer.size();
        buffer += channel.readUpTo(m_maxAnswerBytes - before);
        // Only the new bytes are searched, so a long answer costs time in proportion to its size.
        if (buffer.indexOf('>', before) >= 0 || buffer.size() >= m_maxAnswerBytes)
            break;
    }
    // Whatever follows the prompt belongs to no question we asked. Most answers leave nothing
    // behind, and the purge wakes the other end of the line, so it is made only when needed.
    if (channel.receivedCount() > 0)
        channel.purge();
    return buffer;
}

void ElmExchange::finishAbortedAnswer(SerialChannel& channel, const StopSignal* stop,
                                      Deadline deadline) {
    // The interface is still printing the answer to the stopped command; sent into that, the
    // next command would be taken as an interruption and its answer would begin with the rest of
    // the old one. Its prompt is awaited (no longer than one silence time-out in all) and dropped.
    deadline = std::min(deadline, deadlineIn(m_silenceTimeoutMs));
    for (;;) {
        const int left = waitTime(deadline);
        if (left <= 0)
            break;
        const SerialChannel::WaitOutcome outcome = channel.waitForDataOrStop(left, stop);
        if (outcome == SerialChannel::WaitOutcome::Stopped)
            return; // still outstanding; the next exchange tries again
        if (outcome == SerialChannel::WaitOutcome::Silence ||
            channel.readUpTo(m_maxAnswerBytes).contains('>'))
            break;
    }
    m_answerOutstanding = false;
    if (channel.receivedCount() > 0)
        channel.purge();
}

void ElmExchange::switchDemoMode(bool on) {
    m_demoMode = on;
    logEvent(on ? QStringLiteral(" - Demo-Mode ON") : QStringLiteral(" - Demo-Mode OFF"));
}

bool ElmExchange::setCommLogging(bool on, QString* failure) {
    if (on) {
        m_commLogging = m_log.open(failure);
    } else {
        m_commLogging = false;
        m_log.close();
    }
    return m_commLogging == on;
}

void ElmExchange::logEvent(const QString& text) {
    if (m_commLogging)
        m_log.writeEvent(text);
}
