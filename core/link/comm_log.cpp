#include "core/link/comm_log.h"

#include "core/settings/data_dirs.h"

#include <QDateTime>
#include <QLocale>
#include <stdexcept>

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

bool CommLog::isOpen() const {
    std::lock_guard lock(m_mutex);
    return m_file.isOpen();
}

void CommLog::OpenCommLog() {
    std::lock_guard lock(m_mutex);
    if (m_file.isOpen())
        return;
    m_file.setFileName(path());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw std::runtime_error(QStringLiteral("Cannot open the communication log %1: %2")
                                     .arg(m_file.fileName(), m_file.errorString())
                                     .toStdString());
    try {
        writeLine(QStringLiteral(" "));
        writeLine(kAsterisks);
        writeLine(timestamp() + QStringLiteral(" - Programm start"));
    } catch (...) {
        // A log that cannot take its first lines is not open: nothing would reach the disk.
        m_file.close();
        throw;
    }
}

void CommLog::CloseCommLog() {
    std::lock_guard lock(m_mutex);
    if (!m_file.isOpen())
        return;
    try {
        writeLine(timestamp() + QStringLiteral(" - Programm terminated"));
        writeLine(kAsterisks);
    } catch (...) {
        m_file.close(); // closed whatever the disk says, so that logging is off as asked
        throw;
    }
    m_file.close();
}

void CommLog::writeEvent(const QString& text) {
    std::lock_guard lock(m_mutex);
    if (m_file.isOpen())
        writeLine(timestamp() + text);
}

void CommLog::writeLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + "\r\n";
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        throw std::runtime_error(QStringLiteral("Cannot write the communication log %1: %2")
                                     .arg(m_file.fileName(), m_file.errorString())
                                     .toStdString());
}
