#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

// Reads a session recording back: the JSON Lines a SessionRecorder writes, or the program's own
// communication log (LogFile.txt, its " - S: " and " - R: " lines), whose answers are the cleaned
// ones and whose delays are what its timestamps of whole seconds tell.
//
// Input is hostile: every line is checked and bounded, work is linear in the size, and a line
// that is wrong stops the reading with its number and the reason. A last line that is broken (a
// recording cut short by a crash) is left out with a warning instead.
namespace recording_reader {

struct Exchange {
    QString command;
    QString answer; // as received, one character per byte
    qint64 ms = 0;  // the time the answer took
};

struct Session {
    QString interface; // the chip's name, as it answered ATI
    QString protocol;  // the protocol number it gave for ATDPN; empty when unknown
    bool anonymized = false;
    std::vector<Exchange> exchanges;
    QStringList warnings; // "LINE: reason"
};

struct Error {
    qsizetype line = 0; // 1 for the first; 0 for the file as a whole
    QString reason;
};

std::variant<Session, Error> read(const QByteArray& bytes);

} // namespace recording_reader
