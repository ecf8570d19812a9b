#pragma once

#include <QString>
#include <memory>

class QCoreApplication;

// The application object of the tool: a GUI one without a display where a PDF is asked for (its
// text layout needs fonts), the core one otherwise.
std::unique_ptr<QCoreApplication> createCliApplication(int& argc, char** argv);

// Lays out the formatted report on A4 pages and writes them as a PDF file, atomically. Throws
// ReportError naming the file when it cannot be written, or when the tool runs without the GUI
// application object that text layout needs.
void writeReportPdf(const QString& html, const QString& path);
