#include "core/livedata/terminal_transcript.h"

#include "core/l10n/const_str.h"
#include "core/settings/file_io.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

namespace terminal_transcript {

QString request(const QString& mode, const QString& pid) {
    return mode + pid;
}

QStringList entry(const QString& mode, const QString& pid, const QString& answer) {
    return {const_str::TerminalMode + QStringLiteral(": ") + mode + QLatin1Char(' ') +
                const_str::TerminalPid + QStringLiteral(": ") + pid,
            answer, QString()};
}

QString proposedFileName(const QDateTime& now) {
    const QLocale locale;
    // The long time format names the time zone, and "UTC+01:00" would add digits of its own.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(now.time(), timeFormat.trimmed());
    QString digits = QStringLiteral("TL");
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    return digits;
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
