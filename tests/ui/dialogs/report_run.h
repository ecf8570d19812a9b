#pragma once

// The main window with the report settings dialog and the preview as the program wires them, the
// preview shown without waiting for the user.

#include "core/report/report_files.h"
#include "tests/support/fake_report_dialogs.h"
#include "tests/support/program_run.h"
#include "ui/dialogs/report_preview.h"
#include "ui/dialogs/report_settings_dialog.h"

#include <QFile>
#include <QProcess>

struct ReportRun : ProgramRun {
    FakeReportSettingsDialogs dialogs;
    ReportPreview preview;
    ReportSettingsDialog settings{context.shown, translator, &preview};
    QStringList previewed;

    explicit ReportRun(const QString& language = QStringLiteral("en")) : ProgramRun(language) {
        settings.dateTimeText = [] { return QStringLiteral("12/09/26 07:00:00"); };
        dialogs.preview = [this](const QString& path) {
            previewed << path;
            preview.loadReport(path);
        };
        settings.setDialogs(dialogs);
    }

    template <typename T>
    T* field(const QString& name) const {
        T* widget = settings.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // "View": the lines of the preview file it wrote.
    QStringList view() {
        settings.buildReport(2);
        return linesOf(previewReportPath());
    }

    static QStringList linesOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }
};

// The text of a PDF file as poppler's pdftotext reads it.
inline QString pdfText(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (Debian poppler-utils) could not read " << path.toStdString()
                      << ": " << tool.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}
