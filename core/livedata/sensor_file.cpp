#include "core/livedata/sensor_file.h"

#include "core/l10n/const_str.h"
#include "core/settings/file_io.h"

#include <QFile>
#include <QSet>

namespace {

bool isUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isSensorCode(const char* text, qsizetype length) {
    const bool pid = length >= 2 && isUpperHexDigit(text[0]) && isUpperHexDigit(text[1]);
    return pid &&
           (length == 2 || (length == 4 && text[2] == '-' && text[3] >= '1' && text[3] <= '9'));
}

[[noreturn]] void fail(const QString& message) {
    throw SensorFileError(message);
}

} // namespace

SensorFileContent parseSensorFile(const QByteArray& bytes) {
    SensorFileContent content;
    if (bytes.size() > kSensorFileMaxBytes) {
        content.problem = SensorFileContent::Problem::TooLarge;
        return content;
    }
    QSet<QString> seen;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes[start + length - 1] == '\r')
            --length;
        if (isSensorCode(bytes.constData() + start, length)) {
            const QString code = QString::fromLatin1(bytes.constData() + start, length);
            if (!seen.contains(code)) {
                seen.insert(code);
                content.pidCodes << code;
            }
        }
        start = end + 1;
    }
    if (content.pidCodes.isEmpty() && !bytes.isEmpty())
        content.problem = SensorFileContent::Problem::NoSensorLines;
    return content;
}

QByteArray formatSensorFile(const QStringList& pidCodes) {
    QByteArray bytes;
    for (const QString& code : pidCodes)
        bytes += code.toLatin1() + "\r\n";
    return bytes;
}

QStringList readSensorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(const_str::FileNotRead.arg(path, file.errorString()));
    // One byte more than allowed tells a file that is too large without reading it whole.
    const QByteArray bytes = file.read(kSensorFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        fail(const_str::FileNotRead.arg(path, file.errorString()));
    const SensorFileContent content = parseSensorFile(bytes);
    switch (content.problem) {
    case SensorFileContent::Problem::None:
        break;
    case SensorFileContent::Problem::TooLarge:
        fail(const_str::SensorFileTooLarge.arg(path));
    case SensorFileContent::Problem::NoSensorLines:
        fail(const_str::SensorFileWithoutSensors.arg(path));
    }
    return content.pidCodes;
}

void writeSensorFile(const QString& path, const QStringList& pidCodes) {
    if (const QString reason = saveWhole(path, formatSensorFile(pidCodes)); !reason.isEmpty())
        fail(const_str::FileNotWritten.arg(path, reason));
}
