// The report preview: the formatted report, printing behind the print dialog, the print preview,
// the PDF export, and what it shows when the report cannot be formatted.

#include "tests/support/error_boxes.h"
#include "tests/support/qt_printers.h"
#include "tests/ui/dialogs/report_run.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

namespace {

// A report of the Demo-Mode vehicle in the preview.
struct DemoReport : ReportRun {
    DemoReport() {
        connectDemo();
        settings.buildReport(2);
    }
    void clickTool(const char* name) {
        QTest::mouseClick(preview.findChild<QToolButton*>(name), Qt::LeftButton);
    }
};

TEST(ReportPreview, PrintGoesThroughThePrintDialog) {
    DemoReport run;
    const QString dir = test_env::freshDir("printed");
    FakeReportPreviewDialogs dialogs; // cancels
    run.preview.setDialogs(dialogs);
    run.clickTool("ToolButton2");
    EXPECT_TRUE(QDir(dir).isEmpty()) << "cancelled: nothing printed";

    dialogs.printer = [&dir](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir + "/printed.pdf");
        return true;
    };
    run.clickTool("ToolButton2");
    EXPECT_TRUE(pdfText(dir + "/printed.pdf").contains("P0125"));

    // A printer that cannot take the report says why instead of a warning on standard error.
    dialogs.printer = [&dir](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir + "/missing/printed.pdf");
        return true;
    };
    ErrorBoxes boxes;
    run.clickTool("ToolButton2");
    EXPECT_EQ(boxes.texts,
              QStringList{"Printing failed: The file \"" + dir +
                          "/missing/printed.pdf\" could not be written: its folder is missing or "
                          "cannot be written."});
}

TEST(ReportPreview, PrintPreviewRendersThePages) {
    DemoReport run;
    // The real preview dialog, closed by the test once it is up.
    int pages = 0;
    QTimer::singleShot(0, [&pages] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* widget = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        pages = widget->pageCount();
        dialog->reject();
    });
    run.clickTool("ToolButton3");
    EXPECT_GT(pages, 0);

    // What the preview asks to paint is the report.
    const QString pdf = test_env::freshDir("preview") + "/preview.pdf";
    FakeReportPreviewDialogs dialogs;
    dialogs.printPreview = [&pdf](const std::function<void(QPrinter*)>& paint) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        paint(&printer);
    };
    run.preview.setDialogs(dialogs);
    run.clickTool("ToolButton3");
    EXPECT_TRUE(pdfText(pdf).contains("P0736"));
}

TEST(ReportPreview, PdfExportHoldsTheCodes) {
    DemoReport run;
    const QString dir = test_env::freshDir("exported");
    QString suggested;
    FakeReportPreviewDialogs dialogs;
    dialogs.pdfFile = [&](const QString& name) {
        suggested = name;
        return dir + "/diagnosis"; // the extension is added
    };
    run.preview.setDialogs(dialogs);
    run.clickTool("btnExportPdf");
    EXPECT_EQ(suggested, reportsDirPath() + "/report.pdf");
    const QString text = pdfText(dir + "/diagnosis.pdf");
    for (const char* code : {"P0125", "P0736", "P0455", "B2427"})
        EXPECT_TRUE(text.contains(QLatin1String(code))) << code;
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"diagnosis.pdf"}));

    dialogs.pdfFile = [](const QString&) { return QString(); };
    run.clickTool("btnExportPdf");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"diagnosis.pdf"}));
}

TEST(ReportPreview, ReportThatCannotBeFormattedShowsWhy) {
    ReportPreview preview;
    const QString dir = test_env::freshDir("no-stylesheet");
    writeFileAtomically(dir + "/temp.xml", "<?xml version=\"1.0\"?>\r\n<doc>\r\n</doc>\r\n");
    preview.loadReport(dir + "/temp.xml");
    EXPECT_TRUE(preview.shownText().startsWith("The stylesheet \"" + dir +
                                               "/DTCResults.xsl\" could not be loaded"))
        << preview.shownText().toStdString();
    EXPECT_TRUE(preview.shownText().contains("<doc>"));

    ASSERT_EQ(placeStylesheet(dir), StylesheetPlacement::Placed);
    writeFileAtomically(dir + "/temp.xml", "<doc><USER_INFO></doc>");
    preview.loadReport(dir + "/temp.xml");
    EXPECT_TRUE(preview.shownText().startsWith("The report could not be formatted"));
}

} // namespace
