#include "core/link/elm_exchange.h"

#include "core/l10n/const_str.h"
#include "core/link/answer_text.h"
#include "core/link/can_answer.h"
#include "core/link/serial_channel.h"
#include "core/link/serial_port_error.h"
#include "core/link/simulated_channel.h"
#include "core/link/stop_signal.h"
#include "core/link/unit_headers.h"

#include <QScopeGuard>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {
constexpr int kWaitHookSliceMs = 50;

// The one control unit of the simulated vehicle: an engine unit on a K line.
const QString kSimulatedUnit = QStringLiteral("10");

QString commandWord(const QString& command) {
    QString word = command.toUpper();
    word.remove(QLatin1Char(' '));
    return word;
}

// A command to the chip itself, whose answer carries no headers.
bool isChipCommand(const QString& command) {
    return commandWord(command).startsWith(QLatin1String("AT"));
}

// The commands after which the chip prints no headers: the resets and the defaults.
bool resetsHeaders(const QString& command) {
    const QString word = commandWord(command);
    return word == QLatin1String("ATZ") || word == QLatin1String("ATWS") ||
           word == QLatin1String("ATD");
}
} // namespace

ElmExchange::ElmExchange(SerialChannel* channel) : m_channel(channel) {}

void ElmExchange::setChannel(SerialChannel* channel) {
    std::lock_guard lock(m_exchangeMutex);
    // An answer still outstanding on the old channel is nothing the new one will send.
    if (m_outstandingOn == m_channel && channel != m_channel)
        m_outstandingOn = nullptr;
    if (channel != m_channel)
        m_headers = Headers::Off;
    m_channel = channel;
}

QString ElmExchange::pendingDemoRequest() const {
    std::lock_guard lock(m_exchangeMutex);
    return m_simulated.lastRequest();
}

void ElmExchange::setStopSignal(const StopSignal* signal) {
    m_stop = signal;
}

bool ElmExchange::stopRequested() const {
    const StopSignal* stop = m_stop;
    return stop != nullptr && stop->requested();
}

void ElmExchange::declareLostAfterUnanswered(bool on) {
    std::lock_guard lock(m_exchangeMutex);
    m_declareLost = on;
    m_unanswered = 0;
}

void ElmExchange::setWaitHook(std::function<void()> hook) {
    std::lock_guard lock(m_exchangeMutex);
    m_waitHook = std::move(hook);
    m_waitHookThread = m_waitHook ? QThread::currentThread() : nullptr;
}

bool ElmExchange::channelReady() const {
    return m_demoMode || (m_channel != nullptr && m_channel->isOpen());
}

void ElmExchange::setDeviceLostHandler(std::function<void(const QString&)> handler) {
    std::lock_guard lock(m_exchangeMutex);
    m_deviceLostHandler = std::move(handler);
}

LinkAnswer ElmExchange::locked(const std::function<LinkAnswer(const Route&)>& body) {
    // The lock is not recursive: an exchange from inside the wait of another would wait for
    // itself for ever.
    if (m_inWaitHook && QThread::currentThread() == m_waitHookThread)
        throw std::logic_error("An exchange was started while another waits for its answer.");
    std::lock_guard lock(m_exchangeMutex);
    const StopSignal* stop = m_stop;
    if (stop != nullptr && stop->requested())
        return std::nullopt; // nothing is sent once a stop has been asked for
    // Chosen once, so that a switch made meanwhile cannot send to one side and read the other.
    // The simulated vehicle is never a CAN one and has nothing to count.
    const bool simulated = m_demoMode;
    const Route route{simulated ? static_cast<SerialChannel*>(&m_simulated) : m_channel,
                      !simulated && m_canLayout, stop,
                      m_exchangeTimeLimitMs > 0 ? deadlineIn(m_exchangeTimeLimitMs) : kNoDeadline};
    // Only a device that was there can get lost; a port that was never open is the caller's
    // mistake and stays a plain error.
    const bool deviceOpen = route.channel != nullptr && route.channel->isOpen();
    try {
        if (route.channel != nullptr && m_outstandingOn == route.channel)
            finishAbortedAnswer(route);
        return body(route);
    } catch (const SerialPortError& error) {
        if (deviceOpen)
            reportDeviceLost(error.message());
        throw;
    }
}

LinkAnswer ElmExchange::exchange(const QString& command) {
    return locked([this, &command](const Route& route) { return plainTransfer(route, command); });
}

void ElmExchange::startConnection() {
    std::lock_guard lock(m_exchangeMutex);
    m_headers = Headers::Off;
    m_headerless = false;
}

LinkAnswer ElmExchange::plainTransfer(const Route& route, const QString& command) {
    if (route.channel != &m_simulated && !isChipCommand(command))
        switchHeaders(route, false);
    return countedTransfer(route, command);
}

bool ElmExchange::switchHeaders(const Route& route, bool on) {
    const Headers wanted = on ? Headers::On : Headers::Off;
    if (m_headers == wanted)
        return true;
    const LinkAnswer answer = transfer(route, on ? QStringLiteral("ATH1") : QStringLiteral("ATH0"));
    if (!answer) {
        m_headers = Headers::Unknown;
        return false;
    }
    const bool accepted = answer->contains(QLatin1String("OK"));
    // A chip that refuses either switch prints no headers at all.
    m_headers = accepted ? wanted : Headers::Off;
    if (on && !accepted) {
        m_headerless = true;
        logEvent(QStringLiteral(" - ATH1 refused: the control units are not told apart"));
    }
    return true;
}

UnitAnswers ElmExchange::exchangePerUnit(const QString& command) {
    UnitAnswers parts;
    locked([&](const Route& route) -> LinkAnswer {
        if (route.channel == &m_simulated) {
            const LinkAnswer answer = transfer(route, command);
            if (answer)
                parts = QList<UnitAnswer>{UnitAnswer{kSimulatedUnit, *answer}};
            return answer;
        }
        if (!m_headerless && !switchHeaders(route, true))
            return std::nullopt;
        const LinkAnswer answer =
            m_headerless ? plainTransfer(route, command) : countedTransfer(route, command);
        if (!answer)
            return answer;
        parts = QList<UnitAnswer>{UnitAnswer{QString(), *answer}};
        if (m_headers != Headers::On)
            return answer;
        const unit_headers::Split split =
            unit_headers::split(m_lastRaw, m_lastRawCommand, route.canLayout);
        for (const QString& note : split.notes)
            logEvent(QStringLiteral(" - ") + note);
        if (split.headerless) {
            m_headerless = true;
            logEvent(QStringLiteral(" - The answer has no headers: the control units are not "
                                    "told apart"));
        } else if (!split.parts.isEmpty()) {
            parts = split.parts;
        }
        return answer;
    });
    return parts;
}

std::optional<QList<QByteArray>> ElmExchange::exchangeMessages(const QString& command) {
    std::optional<QList<QByteArray>> messages;
    bool canLayout = false;
    const LinkAnswer answer = locked([&](const Route& route) {
        canLayout = route.canLayout;
        const LinkAnswer cleaned = plainTransfer(route, command);
        if (cleaned && canLayout) {
            messages.emplace();
            for (const can_answer::Message& message :
                 can_answer::messagesOf(m_lastRaw, m_lastRawCommand))
                messages->append(message.bytes);
        }
        return cleaned;
    });
    if (!canLayout && answer)
        return CommandLink::messagesOf(*answer);
    return messages;
}

LinkAnswer ElmExchange::countedTransfer(const Route& route, const QString& command) {
    const unsigned generation = m_countGeneration;
    if (generation != m_answerCountGeneration) {
        m_answerCount.start(m_countUnits);
        m_answerCountGeneration = generation;
    }
    const QString counted = route.canLayout ? m_answerCount.countedRequest(command) : QString();
    if (counted.isEmpty())
        return transfer(route, command);
    const LinkAnswer answer = transfer(route, counted);
    // A stopped exchange ends here; its cut answer says nothing about the count.
    if ((route.stop != nullptr && route.stop->requested()) ||
        m_answerCount.judge(command, answer, m_lastMessages) == AnswerCount::Verdict::Keep)
        return answer;
    return transfer(route, command);
}

LinkAnswer ElmExchange::lastService01Support() const {
    std::lock_guard lock(m_exchangeMutex);
    const QString command = QStringLiteral("0100");
    return canLayout() ? can_answer::fromSerial(m_last0100Raw, command)
                       : answer_text::fromSerial(m_last0100Raw, command);
}

int ElmExchange::pidsPerRequest() const {
    return canLayout() && m_groupingAllowed && !m_groupingRefused ? 6 : 1;
}

void ElmExchange::refuseGroupedRequests() {
    if (!m_groupingRefused.exchange(true))
        logEvent(QStringLiteral(" - Several PIDs in one request were not answered whole: one PID "
                                "per request from here on"));
}

LinkAnswer ElmExchange::exchangeAsTyped(const QString& command) {
    return locked([this, &command](const Route& route) {
        sendCommand(route, command);
        const QByteArray raw = readSerialAnswer(requireChannel(route), route.stop, route.deadline);
        recordAnswer(command, raw);
        const LinkAnswer answer = answer_text::linesFromSerial(raw, command);
        logAnswer(answer);
        if (route.channel != &m_simulated && isChipCommand(command))
            m_headers = Headers::Unknown;
        countAnswer(route, answer);
        return answer;
    });
}

LinkAnswer ElmExchange::exchangeSettled(const QString& command, int quietMs) {
    return locked([this, &command, quietMs](const Route& route) -> LinkAnswer {
        if (route.channel == &m_simulated)
            return transfer(route, command);
        sendCommand(route, command);
        QByteArray buffer =
            readSerialAnswer(requireChannel(route), route.stop, route.deadline, quietMs);
        // Everything up to the prompt before the last one answered somebody else's command.
        const qsizetype last = buffer.lastIndexOf('>');
        const qsizetype earlier = last > 0 ? buffer.lastIndexOf('>', last - 1) : -1;
        if (earlier >= 0) {
            logEvent(QStringLiteral(" - A late answer was dropped: ") +
                     answer_text::linesFromSerial(buffer.left(earlier + 1), QString())
                         .value_or(QString())
                         .replace(QLatin1Char('\n'), QLatin1Char(' ')));
            buffer.remove(0, earlier + 1);
        }
        const LinkAnswer answer = answer_text::fromSerial(buffer, command);
        logAnswer(answer);
        countAnswer(route, answer);
        return answer;
    });
}

LinkAnswer ElmExchange::transfer(const Route& route, const QString& command) {
    sendCommand(route, command);
    const LinkAnswer answer = readAnswer(route, command);
    // The connection sequence reads the check's "0100" again in the layout it has learnt, which
    // knows no K-line headers.
    if (command == QLatin1String("0100") &&
        (route.channel == &m_simulated || m_headers == Headers::Off || route.canLayout)) {
        m_last0100Raw = m_lastRaw;
        if (route.canLayout)
            m_service01Units = m_lastMessages;
    }
    countAnswer(route, answer);
    return answer;
}

void ElmExchange::countAnswer(const Route& route, const LinkAnswer& answer) {
    if (!m_declareLost || route.channel == &m_simulated)
        return;
    if (answer) {
        m_unanswered = 0;
        return;
    }
    // A stopped exchange says nothing about the interface.
    if (route.stop != nullptr && route.stop->requested())
        return;
    if (++m_unanswered < kUnansweredLimit)
        return;
    m_unanswered = 0;
    throw SerialPortError(QStringLiteral("The interface has not answered %1 requests in a row.")
                              .arg(kUnansweredLimit));
}

void ElmExchange::setCanLayout(bool on) {
    m_canLayout = on;
    m_groupingRefused = false;
    if (on) {
        // Never called from inside an exchange (the connection sequence sets it between two).
        std::lock_guard lock(m_exchangeMutex);
        m_service01Units = can_answer::messageCount(m_last0100Raw, QStringLiteral("0100"));
    } else {
        m_service01Units = 0;
        startAnswerCount(0);
    }
}

void ElmExchange::startAnswerCount(int units) {
    m_countUnits = m_answerCountAllowed ? units : 0;
    ++m_countGeneration;
}

void ElmExchange::reportDeviceLost(const QString& reason) {
    if (m_deviceLostHandler)
        m_deviceLostHandler(reason);
}

int ElmExchange::waitTime(Deadline deadline) const {
    return msUntil(deadline, m_silenceTimeoutMs);
}

SerialChannel& ElmExchange::requireChannel(const Route& route) {
    if (route.channel == nullptr)
        throw SerialPortError(QStringLiteral("No serial port has been set up."));
    return *route.channel;
}

void ElmExchange::sendCommand(const Route& route, const QString& command) {
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - S: ") + command);
    m_sentAt.start();
    requireChannel(route).write(command.toLatin1() + '\r');
    if (route.channel != &m_simulated && resetsHeaders(command))
        m_headers = Headers::Off;
}

LinkAnswer ElmExchange::readAnswer(const Route& route, const QString& command) {
    const QByteArray buffer = readSerialAnswer(requireChannel(route), route.stop, route.deadline);
    m_lastRaw = buffer;
    recordAnswer(command, buffer);
    m_lastRawCommand = command;
    const LinkAnswer result = route.canLayout ? can_answer::fromSerial(buffer, command)
                                              : answer_text::fromSerial(buffer, command);
    m_lastMessages = route.canLayout ? can_answer::messageCount(buffer, command) : 0;
    logAnswer(result);
    return result;
}

void ElmExchange::logAnswer(const LinkAnswer& answer) {
    if (m_commLogging)
        // The lines of a typed command's answer stay on the log's one line.
        m_log.writeEvent(
            QStringLiteral(" - R: ") +
            answer.value_or(const_str::Error).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void ElmExchange::recordAnswer(const QString& command, const QByteArray& raw) {
    m_recorder.record(command, raw, m_sentAt.isValid() ? m_sentAt.elapsed() : 0);
}

QByteArray ElmExchange::readSerialAnswer(SerialChannel& channel, const StopSignal* stop,
                                         Deadline deadline, int settleMs) {
    QByteArray buffer;
    const Deadline streamEnd = deadlineIn(kStreamLimitInSilenceTimes * m_silenceTimeoutMs);
    for (;;) {
        if (hasPassed(deadline))
            break; // as silence: what came is no whole answer
        if (hasPassed(streamEnd)) {
            interruptStream(channel);
            return {};
        }
        const SerialChannel::WaitOutcome outcome = waitForData(channel, waitTime(deadline), stop);
        if (outcome == SerialChannel::WaitOutcome::Stopped) {
            // What has come of the answer stays queued: the next exchange reads on to its prompt.
            m_outstandingOn = &channel;
            return buffer;
        }
        if (outcome == SerialChannel::WaitOutcome::Silence)
            break;
        const qsizetype before = buffer.size();
        buffer += channel.readUpTo(m_maxAnswerBytes - before);
        // Only the new bytes are searched, so a long answer costs time in proportion to its size.
        if (buffer.indexOf('>', before) >= 0) {
            if (settleMs > 0 && !settle(channel, buffer, stop, streamEnd, settleMs))
                return buffer;
            break;
        }
        if (buffer.size() >= m_maxAnswerBytes) {
            interruptStream(channel);
            return {};
        }
    }
    // Whatever follows the prompt belongs to no question we asked. Most answers leave nothing
    // behind, and the purge wakes the other end of the line, so it is made only when needed.
    if (channel.receivedCount() > 0)
        channel.purge();
    return buffer;
}

bool ElmExchange::settle(SerialChannel& channel, QByteArray& buffer, const StopSignal* stop,
                         Deadline streamEnd, int quietMs) {
    for (;;) {
        // Bytes after the last prompt are an answer under way: its prompt is waited for as any
        // answer's is. After a prompt, a short quiet is enough.
        const qsizetype prompt = buffer.lastIndexOf('>');
        const bool underWay =
            !answer_text::trimControls(QString::fromLatin1(buffer.mid(prompt + 1))).isEmpty();
        if (hasPassed(streamEnd) || buffer.size() >= m_maxAnswerBytes)
            return true; // what came so far is the answer; the rest is purged
        const int wait = msUntil(streamEnd, underWay ? m_silenceTimeoutMs : quietMs);
        const SerialChannel::WaitOutcome outcome = waitForData(channel, wait, stop);
        if (outcome == SerialChannel::WaitOutcome::Stopped) {
            m_outstandingOn = &channel;
            return false;
        }
        if (outcome == SerialChannel::WaitOutcome::Silence)
            return true;
        buffer += channel.readUpTo(m_maxAnswerBytes - buffer.size());
    }
}

SerialChannel::WaitOutcome ElmExchange::waitForData(SerialChannel& channel, int timeoutMs,
                                                    const StopSignal* stop) {
    if (!m_waitHook || QThread::currentThread() != m_waitHookThread)
        return channel.waitForDataOrStop(timeoutMs, stop);
    const Deadline end = deadlineIn(timeoutMs);
    for (;;) {
        const SerialChannel::WaitOutcome outcome =
            channel.waitForDataOrStop(std::min(msUntil(end), kWaitHookSliceMs), stop);
        if (outcome != SerialChannel::WaitOutcome::Silence || hasPassed(end))
            return outcome;
        m_inWaitHook = true;
        const auto leave = qScopeGuard([this] { m_inWaitHook = false; });
        m_waitHook();
    }
}

void ElmExchange::interruptStream(SerialChannel& channel) {
    logEvent(QStringLiteral(" - The interface keeps sending without end"));
    // Any character ends an ELM327's monitoring; what it prints up to its prompt then is dropped
    // at the start of the next exchange.
    channel.write("\r");
    m_outstandingOn = &channel;
}

void ElmExchange::finishAbortedAnswer(const Route& route) {
    SerialChannel& channel = *route.channel;
    // The interface is still printing the answer to the stopped command; sent into that, the
    // next command would be taken as an interruption and its answer would begin with the rest of
    // the old one. Its prompt is awaited (no longer than one silence time-out in all) and dropped.
    const Deadline deadline = std::min(route.deadline, deadlineIn(m_silenceTimeoutMs));
    for (;;) {
        const int left = waitTime(deadline);
        if (left <= 0)
            break;
        const SerialChannel::WaitOutcome outcome = waitForData(channel, left, route.stop);
        if (outcome == SerialChannel::WaitOutcome::Stopped)
            return; // still outstanding; the next exchange tries again
        if (outcome == SerialChannel::WaitOutcome::Silence ||
            channel.readUpTo(m_maxAnswerBytes).contains('>'))
            break;
    }
    m_outstandingOn = nullptr;
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
