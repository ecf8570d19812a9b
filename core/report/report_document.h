#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

struct ShownResults;

// What the user chose in the report settings dialog: the sections and the fields typed there.
struct ReportChoices {
    bool vehicle = true;
    bool customer = true;
    bool systemStatus = true;
    bool storedCodes = true;
    bool pendingCodes = true;
    bool permanentCodes = true; // once read
    bool freezeFrame = true;
    bool o2Sensors = true;
    bool monitorTests = true; // the dialog has no box for it yet: always, once read
    std::array<QString, 4> customerAddress;
    QString make;
    QString model;
    QString year;
    QString vin;
};

// The captions the report copies from the windows, in the language of the run.
struct ReportCaptions {
    QString title;   // the report settings dialog's caption
    QString vehicle; // its check boxes "Vehicle" and "Customer"
    QString customer;
    QString phone; // the options page's address labels
    QString fax;
    QString email;
    QString internet;
    QString dateTime; // string-table labels
    QString make;
    QString model;
    QString year;
    QString vin;
    QString supported; // the start page's column headings and panels
    QString completed;
    QString continuousTests;
    QString nonContinuousTests;
    std::array<QString, 7> monitorNames; // row labels, in the start page's order
    QString storedCodes;                 // the trouble-code page's box headings
    QString pendingCodes;
    QString permanentCodes;
    QString freezeFrames;    // the freeze-frame page's frame box heading
    QString freezeFrameCode; // its code box heading
    QString o2Sensors;       // the navigation button of the oxygen-sensor page
    // The monitor-test section: its heading; its columns monitor, test, value, min, max, unit
    // and result; the results pass, fail, not read and limits inverted.
    QString monitorTests;
    std::array<QString, 7> monitorTestColumns;
    std::array<QString, 4> monitorTestResults;
};

// The captions through the translation the windows use (their English texts in, the shown ones
// out); the string-table labels are taken as the table holds them.
ReportCaptions reportCaptions(const std::function<QString(const QString&)>& translate);

struct ReportInput {
    const ShownResults& shown;
    ReportChoices choices;
    ReportCaptions captions;
    QString dateTime; // as the report shows it
};

// The current local date and time as the report shows it: short date, long time.
QString reportDateTimeText();

// The document's lines, without line ends: the head, the user's address and the title, then the
// sections the choices ask for, and the end tag. Texts are escaped for XML. The permanent codes
// and the monitor tests come only once something was read for them, so that a report of a window
// that never asked looks as it always did. A code's control unit is an element of its own,
// written where the units were told apart.
QStringList buildReport(const ReportInput& input);

// The file's bytes: ISO-8859-1 as the head declares, every line ended by CR LF. A character that
// ISO-8859-1 cannot hold is written as a numeric character reference, so nothing is lost.
QByteArray encodeReport(const QStringList& lines);

// A text as element content: "&", "<" and ">" escaped; control characters, which an XML document
// cannot hold, become blanks; a broken UTF-16 pair becomes the replacement character.
QString escapeReportText(const QString& text);
