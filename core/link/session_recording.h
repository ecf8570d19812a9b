#pragma once

#include "core/link/failure_report.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <functional>
#include <map>
#include <mutex>

// A recording of a vehicle session (docs/recording.md): JSON Lines, a first line describing the
// session and one line per exchange with the interface, the command as sent and the answer as
// received. Every line reaches the disk when it is written, so a crash or a pulled adapter loses
// at most the line being written.
//
// The first line is written at once, padded with blanks, and rewritten in place when the
// exchanges name the interface (ATI, ATZ) or the protocol (ATDPN): the description is where a
// reader looks first, and the chip's name is only known some exchanges into the session.
//
// Like the communication log, a recording never ends the session it records: a write that fails
// (a full disk) is told once to the failure handler, the file is closed and recording stops.
// Safe to use from the polling thread and the ui thread at once.
class SessionRecorder {
public:
    using FailureHandler = std::function<void(const QString& message)>;

    struct Description {
        QString version;        // the program's
        QString units;          // "metric" or "imperial"
        bool anonymize = false; // VIN and calibration IDs replaced (recording_privacy.h)
    };

    SessionRecorder() = default;
    ~SessionRecorder();
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    void setFailureHandler(FailureHandler handler);

    // Starts a recording at path. With replace, a regular file there is replaced (something else
    // there is refused); without, an existing file is never touched. Returns the reason it could
    // not be started, empty when it records.
    QString open(const QString& path, const Description& description, bool replace);
    void close();
    bool isOpen() const;
    QString fileName() const;

    // One exchange: the command as sent, the bytes received up to and with the prompt, and the
    // time from sending to the end of the answer. Ignored while closed.
    void record(const QString& command, const QByteArray& answer, qint64 answerMs);

    // Padding of the first line: the rewrite never reaches the exchange that follows.
    static constexpr qsizetype kHeaderBytes = 1024;

private:
    QByteArray headerLine() const;
    bool writeLine(const QByteArray& line);
    bool rewriteHeader();
    void noteIdentity(const QString& command, const QString& answer);
    void fail(const QString& reason);
    void reportFailure();

    mutable std::mutex m_mutex;
    QFile m_file;
    QElapsedTimer m_clock;
    Description m_description;
    QString m_date;
    QString m_interface;
    QString m_protocol;
    // The placeholder each VIN and calibration ID of this session got.
    std::map<QString, QString> m_placeholders;
    FailureReport m_failure;
};
