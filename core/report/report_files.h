#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// A report that cannot be written. The message names the directory or file; it reaches the user
// through the general error display.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The stylesheet every report links, by its file name beside the document.
inline constexpr char kReportStylesheet[] = "DTCResults.xsl";

// reports/ of the data directory, whether it exists or not.
QString reportsDirPath();

// Creates reports/ when it is missing (one level, as the data directory exists) and returns it.
// Throws ReportError naming the directory when it cannot be created.
QString createReportsDir();

// The preview file: temp.xml in reports/.
QString previewReportPath();

// The stylesheet staged beside the program (reports/DTCResults.xsl of the program directory).
QString stylesheetSourcePath();

// Whether the stylesheet is beside a document. The document is complete without it.
enum class StylesheetPlacement {
    Placed,
    NotPlaced,      // the program's stylesheet is missing, or the copy failed
    NotRegularFile, // something else (a fifo, a device, a link to either) has its name; left alone
    UsersKept,      // a stylesheet the program never wrote (the user's own layout) is kept
};

// Whether the bytes are the stylesheet of an earlier version of the program (not today's).
bool isEarlierProgramStylesheet(const QByteArray& bytes);

// Replaces the file atomically with the document (nothing half-written is ever left under the
// name) and places the stylesheet beside it. Throws ReportError naming the file when it cannot be
// written.
StylesheetPlacement writeReportFile(const QString& path, const QByteArray& document);

// Puts the program's stylesheet into dir, so a document there opens by itself in a browser: where
// none lies, or over one an earlier version of the program wrote. Any other file of that name is
// the user's (a workshop's letterhead layout) and is never replaced.
StylesheetPlacement placeStylesheet(const QString& dir);

// Writes any file of a report (HTML, a copy) atomically; throws ReportError naming it.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
