#pragma once

#include "core/livedata/data_log.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class StatusLed;

// The data-logging bar under the sensor table: the status lamp ledLog, "Record", "Stop" and
// "Pause", and the name of the open file. Idle: red lamp, only "Record". Recording: green lamp
// blinking, records written. Paused: yellow lamp, the file stays open and nothing is written.
// Each recording goes to a new file in logfiles/ of the data directory.
class DataLogBar : public QWidget {
    Q_OBJECT
public:
    explicit DataLogBar(QWidget* parent = nullptr);

    // The header's sensor names, in table order; the owner sets it.
    std::function<QStringList()> sensorNames;
    // The clock of file names and records (tests fix it).
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // Where the files go; the data directory's logfiles/ unless a test says otherwise.
    std::function<QString()> folder;

    void onRecordClicked();
    void onPauseClicked();
    void onStopRecordingClicked();
    // Closes the file and shows the bar idle, as "Stop" does: a lost link or a new connection
    // ends the recording, so that one file never holds two sessions or rows nobody measured.
    void endRecording();

    // "Record" is disabled exactly while recording, "Stop" enabled exactly while a file is open.
    bool isRecording() const;
    bool isFileOpen() const;
    // Appends one record while recording. A failed write is reported and ends the recording, so
    // that a full disk does not raise the same message in every polling cycle.
    void writeRecord(const QDateTime& time, const QStringList& values);

    QString filePath() const { return m_writer.fileName(); }

private:
    DataLogWriter m_writer;
    StatusLed* m_led = nullptr;
    QPushButton* m_record = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_pause = nullptr;
    QLabel* m_fileLabel = nullptr;
};
