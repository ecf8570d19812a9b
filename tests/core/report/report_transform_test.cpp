// The report through the program's stylesheet with libxslt: every section shown, user text kept,
// and documents or stylesheets that are broken or ask for more than formatting.

#include "core/report/report_transform.h"

#include "core/report/report_files.h"
#include "tests/core/report/report_samples.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray programStylesheet() {
    QFile file(stylesheetSourcePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "the build stages the stylesheet";
    return file.readAll();
}

QString htmlOf(const QByteArray& document) {
    const ReportHtml html = transformReport(document, programStylesheet());
    EXPECT_TRUE(html.ok) << html.error.toStdString();
    return html.html;
}

TEST(ReportTransform, StylesheetPresentsEverySection) {
    const QString html = htmlOf(documentOf(sampleShownResults(), sampleChoices()));
    for (const char* text :
         {"<title>OBD-II Diagnostic Report</title>", "Garage Miller", "0123 456",
          "12/09/26 07:00:00", "Chevrolet", "1G1JC5444R7252367", "Jane Doe",
          "Continuous Monitoring tests",
          "Oxygen sensor heater:", "Stored Emission-Related Diagnostic Trouble Codes (DTC)",
          "P0300", "Random/Multiple Cylinder Misfire Detected",
          "Pending Emission-Related Diagnostic Trouble Codes (DTC)", "Engine RPM", "1726 rpm",
          "83 °C", "O2 Sensors  (Bank 1 - Sensor 1)", "0.450", "0.500"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(text))) << text;
    // The column headings of the readiness table come from the one title text.
    EXPECT_TRUE(html.contains("<th width=\"25%\">Supported</th>"));
    EXPECT_TRUE(html.contains("<th width=\"25%\">Completed</th>"));
}

TEST(ReportTransform, StylesheetShowsEverySupportedMonitor) {
    ShownResults shown = sampleShownResults();
    shown.monitorStatus.ignition = "Compression ignition";
    shown.monitorStatus.monitors = {{"PM filter:", "Yes", "No"},
                                    {"EGR and/or VVT system:", "No", "Yes"}};
    const QString html = htmlOf(documentOf(shown, sampleChoices()));
    for (const QString& text : {QStringLiteral("<p>Ignition:\u00A0Compression ignition</p>"),
                                QStringLiteral("<th width=\"25%\">This drive cycle</th>"),
                                QStringLiteral("<td>EGR and/or VVT system:</td>\n<td>No</td>\n"
                                               "<td>Yes</td>")})
        EXPECT_TRUE(html.contains(text)) << text.toStdString();
}

// The units and the permanent codes in the program's stylesheet; a stylesheet of an earlier
// version still shows the codes of a document that names their units.
TEST(ReportTransform, UnitsAndPermanentCodesInOldAndNewStylesheets) {
    ShownResults shown = sampleShownResults();
    shown.storedCodes.rows[0].unit = "Engine (7E8)";
    shown.permanentCodes = {ReadState::Read, {{"P0420", "Catalyst Efficiency", "Unit 7EA"}}};
    const QByteArray document = documentOf(shown, sampleChoices());
    QFile earliest(QUORVANE_EARLIER_STYLESHEET);
    ASSERT_TRUE(earliest.open(QIODevice::ReadOnly));
    const struct {
        const char* name;
        QByteArray stylesheet;
        bool showsAdded;
    } cases[] = {{"program", programStylesheet(), true}, {"earliest", earliest.readAll(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportHtml html = transformReport(document, c.stylesheet);
        ASSERT_TRUE(html.ok) << html.error.toStdString();
        EXPECT_TRUE(html.html.contains(shown.storedCodes.rows[0].description));
        for (const char* added : {"<td width=\"20%\">Engine (7E8)</td>",
                                  "Permanent Diagnostic Trouble Codes (DTC)", "Unit 7EA"})
            EXPECT_EQ(html.html.contains(QLatin1String(added)), c.showsAdded) << added;
    }
    // A list without units has no unit column.
    EXPECT_FALSE(htmlOf(documentOf(sampleShownResults(), sampleChoices())).contains("20%"));
}

TEST(ReportTransform, UnchosenSectionsAreNotShown) {
    const QString html = htmlOf(documentOf(sampleShownResults(), nothingChosen()));
    EXPECT_TRUE(html.contains("Garage Miller"));
    for (const char* text : {"Jane Doe", "Misfire:", "P0133", "Engine RPM", "O2 Sensors"})
        EXPECT_FALSE(html.contains(QLatin1String(text))) << text;
}

TEST(ReportTransform, HostileUserTextIsShownAsText) {
    ShownResults shown = sampleShownResults();
    shown.userAddress[0] = QString::fromUtf8("Müller & Söhne <b>GmbH</b> Жук 😀");
    const QString html = htmlOf(documentOf(shown, sampleChoices()));
    EXPECT_TRUE(html.contains(QString::fromUtf8("Müller &amp; Söhne &lt;b&gt;GmbH&lt;/b&gt;")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QString::fromUtf8("Жук 😀")));
}

TEST(ReportTransform, BrokenInputIsReportedNotShown) {
    const ReportHtml document = transformReport("<doc><USER_INFO></doc>", programStylesheet());
    EXPECT_FALSE(document.ok);
    EXPECT_TRUE(document.error.startsWith("The report could not be formatted: line 1"))
        << document.error.toStdString();

    const ReportHtml stylesheet =
        transformReport(documentOf(sampleShownResults(), sampleChoices()), "<not-xslt/>");
    EXPECT_FALSE(stylesheet.ok);
    EXPECT_TRUE(stylesheet.error.startsWith("The report could not be formatted"));

    EXPECT_FALSE(transformReport(QByteArray(), programStylesheet()).ok);
}

TEST(ReportTransform, EntityExpansionInADocumentIsRefused) {
    QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE doc [<!ENTITY a \"aaaaaaaaaa\">";
    for (char c = 'b'; c <= 'k'; ++c)
        laughs += QByteArray("<!ENTITY ") + c + " \"" +
                  QByteArray(10, '&').replace("&", QByteArray("&") + char(c - 1) + ";") + "\">";
    laughs += "]><doc><USER_INFO><USER_NAME>&k;</USER_NAME></USER_INFO></doc>";
    const ReportHtml html = transformReport(laughs, programStylesheet());
    // Ten to the eleventh letters never reach the page.
    EXPECT_LT(html.html.size(), 1'000'000);
    EXPECT_FALSE(html.ok);
}

TEST(ReportTransform, StylesheetMayNotTouchFiles) {
    const QString dir = test_env::freshDir("xslt-files");
    const QString secret = dir + "/secret.txt";
    QFile file(secret);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<secret>hidden</secret>");
    file.close();
    const QString written = dir + "/written.html";
    auto stylesheetDoing = [](const QByteArray& action) {
        return "<xsl:stylesheet version=\"1.1\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
               "<xsl:template match=\"/\"><html>" +
               action + "</html></xsl:template></xsl:stylesheet>";
    };
    const ReportHtml reading =
        transformReport("<doc/>", stylesheetDoing("<xsl:value-of select=\"document('" +
                                                  secret.toUtf8() + "')\"/>"));
    EXPECT_FALSE(reading.ok);
    EXPECT_FALSE(reading.html.contains("hidden"));

    const ReportHtml writing =
        transformReport("<doc/>", stylesheetDoing("<xsl:document href=\"" + written.toUtf8() +
                                                  "\"><p>x</p></xsl:document>"));
    EXPECT_FALSE(writing.ok);
    EXPECT_FALSE(QFile::exists(written));
}

TEST(ReportTransform, FileTakesTheStylesheetBesideIt) {
    const QString dir = test_env::freshDir("transform-file");
    const QString path = dir + "/report.xml";
    writeFileAtomically(path, documentOf(sampleShownResults(), sampleChoices()));
    const ReportHtml missing = transformReportFile(path);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "The stylesheet \"" + dir + "/DTCResults.xsl\" could not be loaded");

    ASSERT_EQ(placeStylesheet(dir), StylesheetPlacement::Placed);
    const ReportHtml html = transformReportFile(path);
    ASSERT_TRUE(html.ok) << html.error.toStdString();
    EXPECT_TRUE(html.html.contains("P0171"));

    EXPECT_EQ(transformReportFile(dir + "/none.xml").error,
              "The report \"" + dir + "/none.xml\" could not be read");
}

} // namespace
