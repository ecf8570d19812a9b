#pragma once

#include <QFile>
#include <QString>
#include <mutex>

// The communication log LogFile.txt in the data directory: one line per event, the local date and
// time, " - ", then the event. Lines end with CR LF and reach the disk one by one, so a crash loses
// at most the line being written. Safe to write from the polling thread and the ui thread at once.
class CommLog {
public:
    CommLog() = default;
    ~CommLog();
    CommLog(const CommLog&) = delete;
    CommLog& operator=(const CommLog&) = delete;

    // Appends (or creates) the file and writes the opening lines. Throws std::runtime_error when
    // the file cannot be opened.
    void OpenCommLog();
    // Writes the closing lines and closes the file; nothing happens when it is not open.
    void CloseCommLog();
    bool isOpen() const;

    // Writes timestamp + text, for example timestamp + " - S: 0100". Ignored while closed.
    void writeEvent(const QString& text);

    // The full path of the file.
    static QString path();

private:
    void writeLine(const QString& line);

    mutable std::mutex m_mutex;
    QFile m_file;
};
