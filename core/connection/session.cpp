#include "core/connection/session.h"

#include "core/connection/program_context.h"
#include "core/faultcodes/fault_table_loader.h"
#include "core/link/com_port.h"
#include "core/link/elm_commands.h"
#include "core/link/serial_port_error.h"
#include "core/settings/data_dirs.h"

#include <QSignalBlocker>
#include <exception>
#include <stdexcept>

Session::Session() {
    m_context.link.setDeviceLostHandler([this](const QString& reason) {
        m_context.connection.setConnected(false);
        Q_EMIT deviceLost(reason);
    });
}

Session::~Session() {
    m_context.link.setDeviceLostHandler(nullptr);
}

void Session::attachView(ConnectionView* view) {
    m_sequence.reset();
    if (view != nullptr)
        m_sequence.emplace(m_context, *view);
}

ConnectionSequence& Session::sequence() {
    if (!m_sequence)
        throw std::logic_error("The session has no view to report the connection to.");
    return *m_sequence;
}

QString Session::chipVersion() const {
    return m_sequence ? m_sequence->chipVersion() : QString();
}

void Session::open() {
    m_context.service01.emplace();
    m_context.service02.emplace();
    m_context.service03.emplace();
    m_context.service05.emplace();
    m_context.service06.emplace();
    m_context.service07.emplace();
    m_context.service08.emplace();
    m_context.service09.emplace();
    m_context.comPort = createComPort();
    m_context.link.setChannel(m_context.comPort.get());
}

bool Session::loadFaultTable(const QString& language, UserNotifier& notifier) {
    loadFaultCodeTable(m_context.faultCodeTable, language, notifier, data_dirs::programDir());
    return !m_context.faultCodeTable.isEmpty();
}

SettingsLoadResult Session::loadSettings() {
    return ::loadSettings(m_context.settings, serialSettingsOf(*m_context.comPort));
}

bool Session::connect() {
    return sequence().reconnect();
}

void Session::disconnect() {
    sequence().disconnect();
}

void Session::connectionLost(const QString& reason) {
    sequence().connectionLost(reason);
}

void Session::close() {
    m_context.link.setChannel(nullptr);
    closeComPort(m_context.comPort);
    m_context.serialPortNames.clear();
    m_context.service01.reset();
    m_context.service02.reset();
    m_context.service03.reset();
    m_context.service05.reset();
    m_context.service06.reset();
    m_context.service07.reset();
    m_context.service08.reset();
    m_context.service09.reset();
    m_context.link.setCommLogging(false);
}

void Session::shutDown() {
    // From here on a lost device is only the close's business: nobody is told.
    const QSignalBlocker quiet(this);
    ElmExchange& link = m_context.link;
    link.setExchangeTimeLimit(link.silenceTimeoutMs());
    std::exception_ptr failure;
    try {
        elmReset(link);
    } catch (const SerialPortError&) {
    } catch (...) {
        failure = std::current_exception();
    }
    close();
    if (failure)
        std::rethrow_exception(failure);
}
