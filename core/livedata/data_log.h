#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <stdexcept>

class QDateTime;
class QTime;

// A data log that cannot be opened or written. The message is for the user.
class DataLogError : public std::runtime_error {
public:
    explicit DataLogError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The data log: a CSV file of one header line ("Time" and the sensor names) and one record per
// table refresh (the time and the value of each sensor). Every field is in double quotes with
// any quote inside doubled, so sensor names with commas ("Catalyst Temperature Bank 1, Sensor 1")
// and values with decimal commas stay one field each; lines end with CR LF; UTF-8. Each record is
// written whole or not at all and goes to the file at once, so a crash or a pulled adapter loses
// at most the line being written and a full disk leaves the records before it.
class DataLogWriter {
public:
    DataLogWriter() = default;
    ~DataLogWriter();
    DataLogWriter(const DataLogWriter&) = delete;
    DataLogWriter& operator=(const DataLogWriter&) = delete;

    // Creates a new file in the folder (made when missing), named by the start time
    // "yymmddhhnnss.csv", and writes the header. An existing file is never replaced: the next
    // free name "yymmddhhnnss-2.csv", "-3", ... is taken. Returns the file name without folder.
    QString open(const QString& folder, const QDateTime& start, const QStringList& names);

    // Creates or replaces the file at the path the user named, and writes the header.
    void openFile(const QString& path, const QStringList& names);

    bool isOpen() const { return m_file.isOpen(); }
    QString fileName() const { return m_file.fileName(); }

    // One record: the time "hh:nn:ss" and the values in table order.
    void writeRecord(const QTime& time, const QStringList& values);

    void close();

private:
    void writeLine(const QStringList& fields);

    QFile m_file;
};

// One CSV field: the text in double quotes, quotes inside doubled.
QString csvField(const QString& text);
