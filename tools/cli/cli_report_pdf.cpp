#include "tools/cli/cli_report_pdf.h"

#include "core/l10n/const_str.h"
#include "core/report/report_files.h"
#include "core/settings/file_io.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

std::unique_ptr<QCoreApplication> createCliApplication(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0 ||
            qstrcmp(argv[i], "plot") == 0) {
            // The tool never shows a window, whatever display the shell has.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    return std::make_unique<QCoreApplication>(argc, argv);
}

void writeReportPdf(const QString& html, const QString& path) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw ReportError(
            QStringLiteral("PDF output needs the tool's GUI application object (none was made)"));
    QSaveFile file(path);
    if (const QString reason = openForSaving(file); !reason.isEmpty())
        throw ReportError(const_str::FileNotWritten.arg(QDir::toNativeSeparators(path), reason));
    QTextDocument document;
    document.setHtml(html);
    {
        // The page the preview's PDF export writes.
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("OBD-II Quorvane"));
        document.print(&writer);
    }
    if (const QString reason = commitSaveFile(file); !reason.isEmpty())
        throw ReportError(const_str::FileNotWritten.arg(QDir::toNativeSeparators(path), reason));
}
