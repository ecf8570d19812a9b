#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QFileDevice;
class QSaveFile;

// The whole path of a file as the system writes it, for messages that tell the user where a file
// went: installed, the data directory is shown nowhere else.
QString shownPath(const QString& path);

// Writes every byte or reports why not. A write cut short by a full disk returns a short count
// with no reason; the attempt at the rest meets the error and names it. Returns the reason, empty
// when all was written.
QString writeWhole(QFileDevice& file, const QByteArray& bytes);

// Opens a QSaveFile for writing; returns the reason when it cannot be, empty when it is open.
// Something that exists at the path (a link followed) and is not a regular file is refused
// before anything is written: the final rename would put a regular file in place of a device, a
// fifo, a socket or a directory's name. Every save through QSaveFile opens through this.
QString openForSaving(QSaveFile& file);

// Finishes a file written through QSaveFile so that it replaces the old one only when every byte
// reached the disk. QSaveFile::commit() alone (Qt 6.4) takes a failed last flush for success and
// renames the cut temporary file over the old one: on a full disk that destroyed the user's
// previous file. Returns an empty text when the file is in place; otherwise the reason ("No
// space left on device"), the temporary file is dropped and the old file is left as it was.
QString commitSaveFile(QSaveFile& file);

// Replaces the file at path with bytes through commitSaveFile(); returns the reason it failed.
QString saveWhole(const QString& path, const QByteArray& bytes);

// The bytes of a regular file (a link to one will do) of at most maxBytes; nothing for anything
// else. Whatever is at the path is never read without bound and never blocks the caller: a
// device or a fifo under an expected name is refused before it is opened, and the open does not
// wait should one take the file's place in between.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// Whether something other than a regular file, or a link to nothing, stands at the path. A
// missing path is not.
bool isOtherThanRegularFile(const QString& path);
