#pragma once

// What can stand at a path where a file is to be saved and is no regular file: a fifo and a
// directory, which any user can make (a device node needs root).

#include <QDir>
#include <QFile>
#include <QString>
#include <functional>
#include <sys/stat.h>
#include <vector>

inline bool makeFifo(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

struct NotAFile {
    const char* name;
    std::function<bool(const QString& path)> make;
};

inline std::vector<NotAFile> notAFileKinds() {
    return {
        {"fifo", makeFifo},
        {"directory", [](const QString& p) { return QDir().mkdir(p); }},
        {"link to a fifo",
         [](const QString& p) { return makeFifo(p + ".fifo") && QFile::link(p + ".fifo", p); }},
    };
}
