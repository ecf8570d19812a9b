#include "core/link/session_recording.h"

#include "core/l10n/const_str.h"
#include "core/link/recording_format.h"
#include "core/link/recording_privacy.h"
#include "core/settings/file_io.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

SessionRecorder::~SessionRecorder() {
    std::lock_guard lock(m_mutex);
    m_file.close();
}

void SessionRecorder::setFailureHandler(FailureHandler handler) {
    std::lock_guard lock(m_mutex);
    m_failure.setHandler(std::move(handler));
}

bool SessionRecorder::isOpen() const {
    std::lock_guard lock(m_mutex);
    return m_file.isOpen();
}

QString SessionRecorder::fileName() const {
    std::lock_guard lock(m_mutex);
    return m_file.fileName();
}

QString SessionRecorder::open(const QString& path, const Description& description, bool replace) {
    std::lock_guard lock(m_mutex);
    m_file.close();
    m_file.setFileName(path);
    if (replace && isOtherThanRegularFile(path))
        return const_str::NotARegularFile;
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered |
                                     (replace ? QIODevice::Truncate : QIODevice::NewOnly);
    if (!m_file.open(mode))
        return m_file.errorString();
    m_description = description;
    m_date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    m_interface.clear();
    m_protocol.clear();
    m_placeholders.clear();
    m_clock.start();
    if (!writeLine(headerLine()))
        return m_failure.claim(); // the caller tells this one
    return {};
}

void SessionRecorder::close() {
    std::lock_guard lock(m_mutex);
    m_file.close();
}

void SessionRecorder::record(const QString& command, const QByteArray& answer, qint64 answerMs) {
    {
        std::lock_guard lock(m_mutex);
        if (!m_file.isOpen())
            return;
        // Every byte as one character; JSON escapes the control characters.
        QString text = QString::fromLatin1(answer);
        if (m_description.anonymize)
            text = anonymizedAnswer(command, text, m_placeholders);
        const QJsonObject line{{QStringLiteral("t"), m_clock.elapsed()},
                               {QStringLiteral("command"), command},
                               {QStringLiteral("answer"), text},
                               {QStringLiteral("ms"), answerMs}};
        if (writeLine(QJsonDocument(line).toJson(QJsonDocument::Compact)))
            noteIdentity(command, text);
    }
    reportFailure();
}

QByteArray SessionRecorder::headerLine() const {
    const QJsonObject header{{QStringLiteral("recording"), QStringLiteral("vehicle session")},
                             {QStringLiteral("format"), recording_format::kVersion},
                             {QStringLiteral("version"), m_description.version},
                             {QStringLiteral("interface"), m_interface},
                             {QStringLiteral("protocol"), m_protocol},
                             {QStringLiteral("date"), m_date},
                             {QStringLiteral("units"), m_description.units},
                             {QStringLiteral("anonymized"), m_description.anonymize}};
    QByteArray line = QJsonDocument(header).toJson(QJsonDocument::Compact);
    return line.leftJustified(kHeaderBytes - 1, ' ', true);
}

void SessionRecorder::noteIdentity(const QString& command, const QString& answer) {
    const QString name = recording_format::interfaceName(command, answer);
    const QString protocol = recording_format::protocolNumber(command, answer);
    if ((name.isEmpty() || name == m_interface) && (protocol.isEmpty() || protocol == m_protocol))
        return;
    if (!name.isEmpty())
        m_interface = name;
    if (!protocol.isEmpty())
        m_protocol = protocol;
    rewriteHeader();
}

bool SessionRecorder::rewriteHeader() {
    const qint64 end = m_file.pos();
    QString reason = m_file.seek(0) ? writeWhole(m_file, headerLine()) : m_file.errorString();
    if (reason.isEmpty() && !m_file.seek(end))
        reason = m_file.errorString();
    if (reason.isEmpty())
        return true;
    fail(reason);
    return false;
}

bool SessionRecorder::writeLine(const QByteArray& line) {
    // A line the disk cuts short is taken back: the file ends with its last whole exchange.
    const qint64 end = m_file.pos();
    const QString reason = writeWhole(m_file, line + '\n');
    if (reason.isEmpty())
        return true;
    m_file.resize(end);
    fail(reason);
    return false;
}

void SessionRecorder::fail(const QString& reason) {
    m_failure.set(QStringLiteral("Cannot write the recording %1: %2")
                      .arg(shownPath(m_file.fileName()), reason));
    m_file.close();
}

void SessionRecorder::reportFailure() {
    m_failure.tellOutside(m_mutex);
}
