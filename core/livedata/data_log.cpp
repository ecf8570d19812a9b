#include "core/livedata/data_log.h"

#include "core/l10n/const_str.h"
#include "core/settings/file_io.h"

#include <QDateTime>
#include <QDir>

namespace {

// Enough for every recording a person can start within one second; past it something is wrong
// with the folder, and the error says so.
constexpr int kMaxNameAttempts = 1000;

QString fileError(const QFile& file, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), reason);
}

QString fileError(const QFile& file) {
    return fileError(file, file.errorString());
}

// Each record goes straight to the file: nothing waits in a buffer for a crash to lose, and a
// write the disk cuts short is seen at the record it cuts.
constexpr QIODevice::OpenMode kWriting = QIODevice::WriteOnly | QIODevice::Unbuffered;

} // namespace

QString csvField(const QString& text) {
    QString field = text;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

DataLogWriter::~DataLogWriter() {
    // A log left open is closed; a failure to do so has nobody left to tell.
    if (m_file.isOpen())
        m_file.close();
}

QString DataLogWriter::open(const QString& folder, const QDateTime& start,
                            const QStringList& names) {
    close();
    if (!QDir().mkpath(folder))
        throw DataLogError(const_str::DirectoryNotCreated.arg(shownPath(folder)));
    const QString stem = start.toString(QStringLiteral("yyMMddHHmmss"));
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const QString name = attempt == 1 ? stem + QStringLiteral(".csv")
                                          : QStringLiteral("%1-%2.csv").arg(stem).arg(attempt);
        m_file.setFileName(QDir(folder).filePath(name));
        // NewOnly fails on an existing name instead of truncating it, with no gap between the
        // test and the creation in which another recording could take the name.
        if (m_file.open(kWriting | QIODevice::NewOnly)) {
            writeLine(QStringList{QStringLiteral("Time")} + names);
            return name;
        }
        if (m_file.error() != QFileDevice::OpenError || !QFile::exists(m_file.fileName()))
            throw DataLogError(fileError(m_file));
    }
    throw DataLogError(fileError(m_file));
}

void DataLogWriter::openFile(const QString& path, const QStringList& names) {
    close();
    m_file.setFileName(path);
    if (!m_file.open(kWriting | QIODevice::Truncate))
        throw DataLogError(fileError(m_file));
    writeLine(QStringList{QStringLiteral("Time")} + names);
}

void DataLogWriter::writeRecord(const QTime& time, const QStringList& values) {
    writeLine(QStringList{time.toString(QStringLiteral("HH:mm:ss"))} + values);
}

void DataLogWriter::writeLine(const QStringList& fields) {
    QString line;
    for (const QString& field : fields) {
        if (!line.isEmpty())
            line += QLatin1Char(',');
        line += csvField(field);
    }
    line += QLatin1String("\r\n");
    // A record the disk cuts short is taken back, so the log ends with its last whole record.
    const qint64 end = m_file.pos();
    if (const QString reason = writeWhole(m_file, line.toUtf8()); !reason.isEmpty()) {
        m_file.resize(end);
        throw DataLogError(fileError(m_file, reason));
    }
}

void DataLogWriter::close() {
    if (m_file.isOpen())
        m_file.close();
}
