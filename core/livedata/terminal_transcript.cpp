#include "core/livedata/terminal_transcript.h"

#include "core/l10n/const_str.h"
#include "core/settings/file_io.h"

#include <QDateTime>
#include <QDir>

namespace terminal_transcript {

QString request(const QString& mode, const QString& pid) {
    return mode + pid;
}

QStringList entry(const QString& mode, const QString& pid, const QString& answer) {
    return {const_str::TerminalMode + QStringLiteral(": ") + mode + QLatin1Char(' ') +
                const_str::TerminalPid + QStringLiteral(": ") + pid,
            answer, QString()};
}

QStringList typedEntry(const QString& command, const QString& answer) {
    QStringList lines{const_str::TerminalCommand + QStringLiteral(": ") + command};
    lines << answer.split(QLatin1Char('\n')) << QString();
    return lines;
}

QString proposedFileName(const QDateTime& now) {
    return QStringLiteral("TL") + now.toString(QStringLiteral("yyyyMMddHHmmss"));
}

void save(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    if (const QString reason = saveWhole(path, bytes); !reason.isEmpty())
        throw TranscriptError(
            const_str::FileNotWritten.arg(QDir::toNativeSeparators(path), reason));
}

} // namespace terminal_transcript
