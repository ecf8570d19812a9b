#pragma once

#include <QByteArray>
#include <QString>

// The report formatted by its stylesheet, or why it could not be.
struct ReportHtml {
    bool ok = false;
    QString html;  // UTF-8 HTML as the stylesheet writes it
    QString error; // one message for the user
};

// Applies the XSL stylesheet to the report document with libxslt. Both are read as untrusted
// input: nothing is fetched from the network, no DTD is loaded, and the stylesheet may neither
// read nor write files nor create directories. Safe to call from any thread.
ReportHtml transformReport(const QByteArray& document, const QByteArray& stylesheet);

// The report file with the stylesheet its head links ("DTCResults.xsl" in the same directory),
// as a browser opening the file applies it.
ReportHtml transformReportFile(const QString& path);
