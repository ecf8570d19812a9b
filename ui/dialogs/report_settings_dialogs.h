#pragma once

#include <QString>

// Where the report settings dialog saves the report, and how it shows the preview. The dialog
// opens the save dialog and the preview itself; tests answer instead
// (tests/support/fake_report_dialogs.h).
struct ReportSettingsDialogs {
    virtual ~ReportSettingsDialogs() = default;
    // The save dialog opened in the reports directory; empty to cancel.
    virtual QString chooseSaveFile(const QString& reportsDir) = 0;
    // The preview of the written file.
    virtual void showPreview(const QString& path) = 0;
    // A message for the user about the files written (where the report went, a stylesheet kept).
    virtual void tell(const QString& message) = 0;
};
