#pragma once

#include "core/link/failure_report.h"

#include <QFile>
#include <QString>
#include <functional>
#include <mutex>

// The communication log LogFile.txt in the data directory: one line per event, the local date and
// time, " - ", then the event. Lines end with CR LF and reach the disk one by one, so a crash loses
// at most the line being written. Safe to write from the polling thread and the ui thread at once.
//
// The log never ends the action it records: when the file cannot be opened or written (a full
// disk, a read-only directory), the failure handler is told once, the file is closed and logging
// stops until the next open. Nothing here throws.
class CommLog {
public:
    // Gets the message naming the file and the reason. Called on the thread whose write failed,
    // outside the log's lock; without a handler the message goes to Qt's warning output.
    using FailureHandler = std::function<void(const QString& message)>;

    CommLog() = default;
    ~CommLog();
    CommLog(const CommLog&) = delete;
    CommLog& operator=(const CommLog&) = delete;

    void setFailureHandler(FailureHandler handler);

    // Appends (or creates) the file and writes the opening lines. With `failure`, a log that does
    // not open is the caller's to report: the reason lands there and the handler is not told.
    // Returns whether the log is open.
    bool open(QString* failure = nullptr);
    // Writes the closing lines and closes the file; nothing happens when it is not open.
    void close();
    bool isOpen() const;
    // True from a failure until the next open.
    bool failed() const;

    // Writes timestamp + text, for example timestamp + " - S: 0100". Ignored while closed.
    void writeEvent(const QString& text);

    // The full path of the file.
    static QString path();

private:
    // Under the lock: false (and the log closed, the failure kept) when the line did not reach
    // the file.
    bool writeLine(const QString& line);
    void failWith(const QString& what);
    // Outside the lock: tells the handler about a failure not yet reported.
    void reportFailure();

    mutable std::mutex m_mutex;
    QFile m_file;
    FailureReport m_failure;
    bool m_failed = false;
};
