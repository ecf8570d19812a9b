#include "core/link/elm_exchange.h"

#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/link/answer_text.h"
#include "core/link/can_answer.h"
#include "core/link/serial_channel.h"
#include "core/link/serial_port_error.h"
#include "core/link/simulated_vehicle.h"

ElmExchange::ElmExchange(SerialChannel* channel) : m_channel(channel) {}

void ElmExchange::setChannel(SerialChannel* channel) {
    std::lock_guard lock(m_exchangeMutex);
    m_channel = channel;
}

QString ElmExchange::PendingDemoRequest() const {
    std::lock_guard lock(m_exchangeMutex);
    return m_pendingDemoRequest;
}

void ElmExchange::setReadLimits(int silenceTimeoutMs, int maxPasses) {
    m_silenceTimeoutMs = silenceTimeoutMs;
    m_maxPasses = maxPasses;
}

bool ElmExchange::channelReady() const {
    return m_demoMode || (m_channel != nullptr && m_channel->isOpen());
}

void ElmExchange::setDeviceLostHandler(std::function<void(const QString&)> handler) {
    std::lock_guard lock(m_exchangeMutex);
    m_deviceLostHandler = std::move(handler);
}

QString ElmExchange::Exchange(const QString& command) {
    std::lock_guard lock(m_exchangeMutex);
    // Only a device that was there can get lost; a port that was never open is the caller's
    // mistake and stays a plain error.
    const bool deviceOpen = !m_demoMode && m_channel != nullptr && m_channel->isOpen();
    try {
        SendCommand(command);
        return ReadAnswer();
    } catch (const SerialPortError& error) {
        if (deviceOpen)
            reportDeviceLost(error.message());
        throw;
    }
}

void ElmExchange::reportDeviceLost(const QString& reason) {
    m_noCommunication = true;
    if (m_deviceLostHandler)
        m_deviceLostHandler(reason);
}

SerialChannel& ElmExchange::requireChannel() const {
    if (m_channel == nullptr)
        throw SerialPortError(QStringLiteral("No serial port has been set up."));
    return *m_channel;
}

void ElmExchange::SendCommand(const QString& command) {
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - S: ") + command);
    if (m_demoMode) {
        m_pendingDemoRequest = command;
        return;
    }
    requireChannel().write(command.toLatin1() + '\r');
}

QString ElmExchange::ReadAnswer() {
    QString result;
    if (m_demoMode) {
        result = answer_text::fromSimulation(SimulatedAnswer(m_pendingDemoRequest, m_demoDelayMs));
    } else {
        SerialChannel& channel = requireChannel();
        QByteArray buffer;
        for (int pass = 0; pass < m_maxPasses; ++pass) {
            if (!channel.waitForData(m_silenceTimeoutMs))
                break;
            buffer += channel.readAll();
            if (buffer.contains('>'))
                break;
        }
        // Whatever follows the prompt belongs to no question we asked.
        channel.purge();
        result = m_canLayout ? can_answer::fromSerial(buffer) : answer_text::fromSerial(buffer);
    }
    if (m_commLogging)
        m_log.writeEvent(QStringLiteral(" - R: ") + result);
    return result;
}

void ElmExchange::switchDemoMode(bool on) {
    m_demoMode = on;
    logEvent(on ? QStringLiteral(" - Demo-Mode ON") : QStringLiteral(" - Demo-Mode OFF"));
}

void ElmExchange::setCommLogging(bool on) {
    if (on) {
        m_log.OpenCommLog();
        m_commLogging = true;
    } else {
        m_commLogging = false;
        m_log.CloseCommLog();
    }
}

void ElmExchange::logEvent(const QString& text) {
    if (m_commLogging)
        m_log.writeEvent(text);
}

bool ElmExchange::CommunicationLost(UserNotifier& notifier) const {
    if (!m_noCommunication)
        return false;
    notifier.showMessage(UserNotifier::Icon::Error, const_str::NoCommunicationLine1 +
                                                        QLatin1Char('\n') +
                                                        const_str::NoCommunicationLine2);
    return true;
}
