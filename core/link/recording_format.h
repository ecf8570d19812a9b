#pragma once

#include <QString>
#include <QStringList>

// What the writer and the reader of a session recording (session_recording.h) agree on.
namespace recording_format {

// The value of "format" in the first line; a reader refuses a higher one.
inline constexpr int kVersion = 1;
// Longest line a reader accepts: an answer is capped at 64 KiB of bytes, each of which may take
// up to six characters escaped.
inline constexpr qsizetype kMaxLineBytes = 512 * 1024;

// The form in which two requests are the same: upper case, blanks left out, and an OBD request's
// trailing answer count digit ("010C1") dropped, as that only tells the chip when to stop
// listening. An odd number of hex digits is a request with its count.
QString requestKey(const QString& command);

// The lines the interface printed before its prompt: each trimmed, empty ones and a first line
// that echoes the command left out.
QStringList answerLines(const QString& answer, const QString& command);

// What an exchange tells about the interface: its name for "ATI" and "ATZ", its protocol number
// for "ATDPN"; empty for any other.
QString interfaceName(const QString& command, const QString& answer);
QString protocolNumber(const QString& command, const QString& answer);

} // namespace recording_format
