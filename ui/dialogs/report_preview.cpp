#include "ui/dialogs/report_preview.h"

#include "core/l10n/const_str.h"
#include "core/report/report_files.h"
#include "core/report/report_transform.h"
#include "core/settings/file_io.h"
#include "ui/app/error_display.h"
#include "ui/dialogs/report_preview_dialogs.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/print_job.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

class PrintDialogs : public ReportPreviewDialogs {
public:
    explicit PrintDialogs(QWidget* parent) : m_parent(parent) {}
    bool choosePrinter(QPrinter& printer) override {
        QPrintDialog dialog(&printer, m_parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void showPrintPreview(const std::function<void(QPrinter*)>& paint) override {
        QPrintPreviewDialog dialog(m_parent);
        dialog.setObjectName(QStringLiteral("PrintPreview"));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, m_parent,
                         [&paint](QPrinter* printer) { paint(printer); });
        dialog.exec();
    }
    QString choosePdfFile(const QString& suggested) override {
        return QFileDialog::getSaveFileName(m_parent, const_str::ExportPdf, suggested,
                                            const_str::PdfFileType + QStringLiteral(" (*.pdf)"));
    }

private:
    QWidget* m_parent;
};

} // namespace

ReportPreview::ReportPreview(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfReportPreview"));
    setWindowTitle(const_str::ReportPreviewTitle);
    setSizeGripEnabled(true);
    resize(713, 414);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    toolbar->setFixedHeight(28);
    auto* buttons = new QHBoxLayout(toolbar);
    buttons->setContentsMargins(2, 1, 2, 1);
    buttons->setSpacing(2);
    QToolButton* print = toolButton(QStringLiteral("ToolButton2"), QStringLiteral("TB_PRINT"),
                                    const_str::PrintReport);
    QToolButton* preview = toolButton(QStringLiteral("ToolButton3"), QStringLiteral("TB_PREVIEW"),
                                      const_str::PreviewReport);
    QToolButton* pdf =
        toolButton(QStringLiteral("btnExportPdf"), QStringLiteral("TB_PDF"), const_str::ExportPdf);
    for (QToolButton* button : {print, preview, pdf}) {
        button->setParent(toolbar);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addWidget(toolbar);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setOpenLinks(false);
    layout->addWidget(m_browser, 1);
    auto* status = new QLabel(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setFixedHeight(19);
    layout->addWidget(status);

    m_ownDialogs = std::make_unique<PrintDialogs>(this);
    m_dialogs = m_ownDialogs.get();
    connect(print, &QToolButton::clicked, this, guarded([this] { onPrintClicked(); }));
    connect(preview, &QToolButton::clicked, this, guarded([this] { onPrintPreviewClicked(); }));
    connect(pdf, &QToolButton::clicked, this, guarded([this] { onExportPdfClicked(); }));
}

ReportPreview::~ReportPreview() = default;

QToolButton* ReportPreview::toolButton(const QString& name, const QString& pictureName,
                                       const QString& tip) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setToolTip(tip);
    button->setIcon(QIcon(picture(pictureName, QSize(22, 22))));
    button->setIconSize(QSize(22, 22));
    return button;
}

void ReportPreview::loadReport(const QString& path) {
    m_path = path;
    const ReportHtml report = transformReportFile(path);
    m_browser->document()->setBaseUrl(
        QUrl::fromLocalFile(QFileInfo(path).absolutePath() + QLatin1Char('/')));
    if (report.ok) {
        m_browser->setHtml(report.html);
    } else {
        // What a browser shows for a report it cannot format: the reason, then the document.
        QFile file(path);
        const QString text = file.open(QIODevice::ReadOnly)
                                 ? QString::fromLatin1(file.read(1024 * 1024))
                                 : QString();
        m_browser->setHtml(QStringLiteral("<p><b>%1</b></p><pre>%2</pre>")
                               .arg(report.error.toHtmlEscaped(), text.toHtmlEscaped()));
    }
}

QString ReportPreview::shownText() const {
    return m_browser->toPlainText();
}

void ReportPreview::onPrintClicked() {
    QPrinter printer;
    if (!m_dialogs->choosePrinter(printer))
        return;
    printPage(printer);
}

void ReportPreview::onPrintPreviewClicked() {
    // The preview's own Print button prints through here as well, from inside Qt's dialog.
    m_dialogs->showPrintPreview(
        [this](QPrinter* printer) { runReportingErrors([&] { printPage(*printer); }); });
}

void ReportPreview::printPage(QPrinter& printer) const {
    printOrFail(printer, [this](QPrinter& target) {
        m_browser->print(&target);
        return true;
    });
}

void ReportPreview::onExportPdfClicked() {
    const QFileInfo report(m_path.isEmpty() ? previewReportPath() : m_path);
    const QString suggested =
        report.absolutePath() + QLatin1Char('/') +
        (report.completeBaseName() == QLatin1String("temp") ? QStringLiteral("report")
                                                            : report.completeBaseName()) +
        QStringLiteral(".pdf");
    QString path = m_dialogs->choosePdfFile(suggested);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    exportPdf(path);
}

void ReportPreview::exportPdf(const QString& path) const {
    // The PDF replaces an older one only once it is complete.
    QSaveFile file(path);
    if (const QString reason = openForSaving(file); !reason.isEmpty())
        throw ReportError(const_str::FileNotWritten.arg(QDir::toNativeSeparators(path), reason));
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(m_browser->documentTitle());
        writer.setCreator(QStringLiteral("OBD-II Quorvane"));
        m_browser->document()->print(&writer);
    }
    if (const QString reason = commitSaveFile(file); !reason.isEmpty())
        throw ReportError(const_str::FileNotWritten.arg(QDir::toNativeSeparators(path), reason));
}
