#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

class QDateTime;

// The terminal's transcript of J1979 requests and where it is saved.
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

// "TL" and the digits of the date and time as the locale writes them (short date, long time).
QString proposedFileName(const QDateTime& now);

// Writes the lines, each ended by CR LF, in UTF-8, replacing the file as a whole: a failed write
// leaves an earlier file as it was. Throws TranscriptError naming the file.
void save(const QString& path, const QStringList& lines);

} // namespace terminal_transcript
