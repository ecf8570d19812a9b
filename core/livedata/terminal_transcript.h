#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

class QDateTime;

// The terminal's transcript of J1979 requests and typed commands, and where it is saved.
namespace terminal_transcript {

// A transcript that could not be written. The message is for the user.
class TranscriptError : public std::runtime_error {
public:
    explicit TranscriptError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The request as the terminal sends it: mode and PID as typed, joined ("01" and "0C": "010C").
QString request(const QString& mode, const QString& pid);

// The three lines one request adds: "Mode: 01 PID: 0C" (the words translated), the answer, and
// an empty line.
QStringList entry(const QString& mode, const QString& pid, const QString& answer);

// The lines a command typed by the user adds: "Command: ATI" (the word translated), each line of
// the answer as the interface sent it, and an empty line.
QStringList typedEntry(const QString& command, const QString& answer);

// "TL" and every field of the date and time, largest first, each with its leading zeros
// ("TL20261209212701" for 9 December 2026, 21:27:01): one name per second, whatever the locale.
QString proposedFileName(const QDateTime& now);

// Writes the lines, each ended by CR LF, in UTF-8, replacing the file as a whole: a failed write
// leaves an earlier file as it was. Throws TranscriptError naming the file.
void save(const QString& path, const QStringList& lines);

} // namespace terminal_transcript
