#include "core/link/comm_log.h"

#include "core/link/visible_text.h"
#include "core/settings/data_dirs.h"

#include <QDateTime>
#include <QLocale>
#include <QtGlobal>

namespace {

const QString kAsterisks = QString(49, QLatin1Char('*')) + QLatin1Char(' ');

QString timestamp() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::LongFormat);
}

} // namespace

CommLog::~CommLog() {
    std::lock_guard lock(m_mutex);
    m_file.close();
}

QString CommLog::path() {
    return data_dirs::dataDir() + QStringLiteral("/LogFile.txt");
}

void CommLog::setFailureHandler(FailureHandler handler) {
    std::lock_guard lock(m_mutex);
    m_failure.setHandler(std::move(handler));
}

bool CommLog::isOpen() const {
    std::lock_guard lock(m_mutex);
    return m_file.isOpen();
}

bool CommLog::failed() const {
    std::lock_guard lock(m_mutex);
    return m_failed;
}

bool CommLog::open(QString* failure) {
    {
        std::lock_guard lock(m_mutex);
        if (m_file.isOpen())
            return true;
        m_failed = false;
        m_file.setFileName(path());
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
            failWith(QStringLiteral("Cannot open the communication log %1: %2"));
        else if (writeLine(QStringLiteral(" ")) && writeLine(kAsterisks))
            writeLine(timestamp() + QStringLiteral(" - Programm start"));
        if (failure != nullptr && m_failed) {
            *failure = m_failure.claim();
            return false;
        }
    }
    reportFailure();
    return isOpen();
}

void CommLog::close() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_file.isOpen())
            return;
        if (writeLine(timestamp() + QStringLiteral(" - Programm terminated")) &&
            writeLine(kAsterisks))
            m_file.close();
    }
    reportFailure();
}

void CommLog::writeEvent(const QString& text) {
    {
        std::lock_guard lock(m_mutex);
        // Commands and answers carry the interface's bytes: NUL, ESC and the like are written out.
        if (m_file.isOpen())
            writeLine(timestamp() + visibleText(text));
    }
    reportFailure();
}

bool CommLog::writeLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + "\r\n";
    if (m_file.write(bytes) == bytes.size() && m_file.flush())
        return true;
    failWith(QStringLiteral("Cannot write the communication log %1: %2"));
    return false;
}

void CommLog::failWith(const QString& what) {
    m_failure.set(what.arg(m_file.fileName(), m_file.errorString()));
    m_failed = true;
    // What is still buffered cannot be written either; closing drops it, so no later flush (in
    // the destructor or at the next line) meets the same error again.
    m_file.close();
}

void CommLog::reportFailure() {
    m_failure.tellOutside(m_mutex);
}
