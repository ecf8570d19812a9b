#pragma once

#include "core/link/link_answer.h"

#include <QByteArray>
#include <QString>

// The rules that turn what the interface printed into the answer text every reader relies on.
namespace answer_text {

// Removes leading and trailing characters with a code of 32 or less.
QString trimControls(const QString& text);

// A line of hex digits, blanks and frame-number colons in upper case, as the readers expect it;
// some clones print "41 0c 1a f8". Any other line (the chip's words, its version) stays as it is.
QString upperHex(const QString& line);

// Packs an answer that begins with "4" (a positive response): every blank removed, so the lines of
// several frames and control units follow each other as one string of hex digits. Any other
// answer is returned as it is.
QString pack(const QString& text);

// Cleans the raw output of the serial line: the first ">" and every CR and LF become blanks, the
// result is trimmed and packed. Without a ">" there is no answer. Lines the chip prints about
// itself ("SEARCHING...", "BUS INIT: ...OK") are left out, and so is a first line that repeats
// sentCommand: some clones keep echoing after ATE0, and either would keep the answer from
// starting with its service byte.
LinkAnswer fromSerial(const QByteArray& raw, const QString& sentCommand = QString());

// What the interface printed before its prompt, line by line as it came (joined by LF): each
// line trimmed of control characters at its ends, empty lines left out, and so is a first line
// that repeats sentCommand (an echoing clone). Without a ">" there is no answer.
LinkAnswer linesFromSerial(const QByteArray& raw, const QString& sentCommand);

// Cleans a simulated answer, which carries no prompt: trimmed and packed.
QString fromSimulation(const QString& answer);

} // namespace answer_text
