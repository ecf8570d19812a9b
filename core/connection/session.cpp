#include "core/connection/session.h"

#include "core/connection/program_context.h"
#include "core/faultcodes/fault_table_loader.h"
#include "core/link/com_port.h"
#include "core/link/elm_commands.h"
#include "core/link/serial_port_error.h"
#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <exception>
#include <stdexcept>
#include <utility>

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
    startRecording();
    return sequence().reconnect();
}

void Session::disconnect() {
    sequence().disconnect();
    endRecording();
}

void Session::connectionLost(const QString& reason) {
    sequence().connectionLost(reason);
    endRecording();
}

QString Session::recordingFile() const {
    const SessionRecorder& recorder = m_context.link.recorder();
    return !m_recordingPath.isEmpty() && recorder.isOpen() ? m_recordingPath : QString();
}

void Session::startRecording() {
    endRecording();
    if (!m_context.recordSessions)
        return;
    const QString directory = data_dirs::dataSubDir(QStringLiteral("recordings"));
    const QString stem =
        directory + QLatin1Char('/') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    const SessionRecorder::Description description{QStringLiteral(QUORVANE_VERSION),
                                                   m_context.unitSystem == UnitSystem::English
                                                       ? QStringLiteral("english")
                                                       : QStringLiteral("metric"),
                                                   m_context.anonymizeRecordings};
    QString reason;
    // Two connections in one second get a number each; an existing file is never opened.
    for (int n = 1; n <= 100; ++n) {
        const QString path =
            stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".jsonl");
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        reason = m_context.link.recorder().open(path, description, false);
        if (reason.isEmpty()) {
            m_recordingPath = path;
            Q_EMIT recordingChanged();
            return;
        }
        if (QFileInfo::exists(path))
            continue; // made meanwhile by someone else
        Q_EMIT recordingFailed(QStringLiteral("%1: %2").arg(shownPath(path), reason));
        return;
    }
}

void Session::endRecording() {
    // A recording the front end started itself (the command line's --record) is its own.
    if (m_recordingPath.isEmpty())
        return;
    const QString path = std::exchange(m_recordingPath, QString());
    m_context.link.recorder().close();
    QString vin;
    if (m_context.service09 && !m_context.anonymizeRecordings)
        for (QChar c : m_context.service09->vin())
            if (c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
                vin += c;
    if (!vin.isEmpty()) {
        const QString named =
            path.chopped(6) + QLatin1Char('_') + vin.left(17) + QStringLiteral(".jsonl");
        // rename() never replaces: an existing file keeps the recording under its first name.
        if (!QFileInfo::exists(named))
            QFile::rename(path, named);
    }
    Q_EMIT recordingChanged();
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
    endRecording();
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
