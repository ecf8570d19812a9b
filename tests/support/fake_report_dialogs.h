#pragma once

// Answers the report dialogs' questions without a dialog: by default the user cancels, and no
// preview is shown.

#include "ui/dialogs/report_preview_dialogs.h"
#include "ui/dialogs/report_settings_dialogs.h"

#include <QStringList>
#include <functional>

struct FakeReportPreviewDialogs : ReportPreviewDialogs {
    std::function<bool(QPrinter& printer)> printer = [](QPrinter&) { return false; };
    std::function<void(const std::function<void(QPrinter*)>& paint)> printPreview =
        [](const std::function<void(QPrinter*)>&) {};
    std::function<QString(const QString& suggested)> pdfFile = [](const QString&) {
        return QString();
    };

    bool choosePrinter(QPrinter& printer) override { return this->printer(printer); }
    void showPrintPreview(const std::function<void(QPrinter*)>& paint) override {
        printPreview(paint);
    }
    QString choosePdfFile(const QString& suggested) override { return pdfFile(suggested); }
};

struct FakeReportSettingsDialogs : ReportSettingsDialogs {
    std::function<QString(const QString& reportsDir)> saveFile = [](const QString&) {
        return QString();
    };
    std::function<void(const QString& path)> preview = [](const QString&) {};
    QStringList told; // the messages, in order

    QString chooseSaveFile(const QString& reportsDir) override { return saveFile(reportsDir); }
    void showPreview(const QString& path) override { preview(path); }
    void tell(const QString& message) override { told << message; }
};
