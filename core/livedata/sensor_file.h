#pragma once

#include <QByteArray>
#include <QStringList>
#include <stdexcept>

// A sensor file: the monitored sensors in display order, one sensor code a line ("0C", or "67-2"
// for the second value of a PID that carries several), each line ended by CR LF, nothing else.
// Reading takes whole lines of two upper-case hexadecimal digits, optionally followed by "-" and
// one digit 1..9, in file order, each code once; other lines (lower case, blank, longer, anything
// else) are skipped, and the caller ignores codes it has no sensor for.

// The largest file read. A sensor list is a few hundred bytes; a larger file is something else,
// and reading it whole would only cost memory.
constexpr qsizetype kSensorFileMaxBytes = 64 * 1024;

struct SensorFileContent {
    enum class Problem { None, TooLarge, NoSensorLines };
    QStringList pidCodes;
    Problem problem = Problem::None;
};

// The codes of a file's bytes. A file larger than kSensorFileMaxBytes, and a file that is not
// empty but has no line of a PID code, are refused: opening the wrong file must not clear the
// user's selection. The work is linear in the size.
SensorFileContent parseSensorFile(const QByteArray& bytes);

// The bytes of a file for the codes.
QByteArray formatSensorFile(const QStringList& pidCodes);

// A sensor file that cannot be read, is refused, or cannot be written. The message is for the
// user.
class SensorFileError : public std::runtime_error {
public:
    explicit SensorFileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The codes of the file at the path; throws SensorFileError.
QStringList readSensorFile(const QString& path);

// Writes the codes to the path through a temporary file that replaces it only when complete, so
// a failed save leaves the earlier file as it was; throws SensorFileError.
void writeSensorFile(const QString& path, const QStringList& pidCodes);
