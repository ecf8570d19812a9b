#pragma once

#include <QString>
#include <functional>

class QPrinter;

// What "Report Preview" asks the user before it prints, previews or exports the report. The
// preview opens the Qt dialogs itself; tests answer instead
// (tests/support/fake_report_dialogs.h).
struct ReportPreviewDialogs {
    virtual ~ReportPreviewDialogs() = default;
    // The print dialog; true to print.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Runs the print preview, which calls back for its pages.
    virtual void showPrintPreview(const std::function<void(QPrinter*)>& paint) = 0;
    // The save dialog, offered the suggestion; empty to cancel.
    virtual QString choosePdfFile(const QString& suggested) = 0;
};
