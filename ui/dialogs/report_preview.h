#pragma once

#include <QDialog>
#include <memory>

class QPrinter;
struct ReportPreviewDialogs;
class QTextBrowser;
class QToolButton;

// "Report Preview": the diagnostic report as its stylesheet formats it, with printing (after the
// print dialog), a print preview and an export to PDF. Shown modally by the report settings
// dialog after it has written the preview file.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreview(QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Formats the report file through the stylesheet beside it and shows the result; a report or
    // stylesheet that cannot be read or applied shows why instead.
    void loadReport(const QString& path);
    // The report file last loaded.
    const QString& reportPath() const { return m_path; }

    void onPrintClicked();
    void onPrintPreviewClicked();
    void onExportPdfClicked();

    // The HTML shown (for tests and the PDF export).
    QString shownText() const;

    // Tests answer the preview's questions instead of the user; the dialogs outlive the preview.
    void setDialogs(ReportPreviewDialogs& dialogs) { m_dialogs = &dialogs; }

    // Writes what the preview shows as a PDF file, atomically; throws ReportError naming the file.
    void exportPdf(const QString& path) const;

private:
    // Prints what the preview shows; throws with the reason when the printer fails.
    void printPage(QPrinter& printer) const;
    QToolButton* toolButton(const QString& name, const QString& picture, const QString& tip);

    std::unique_ptr<ReportPreviewDialogs> m_ownDialogs;
    ReportPreviewDialogs* m_dialogs = nullptr;
    QTextBrowser* m_browser = nullptr;
    QString m_path;
};
