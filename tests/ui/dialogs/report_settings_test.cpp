// The report as the window makes it: what the pages show after a connection, the dialog's fields
// and boxes, Save and View, German texts, and the same document from the command line.

#include "core/settings/settings_names.h"
#include "tests/support/qt_printers.h"
#include "tests/ui/dialogs/report_run.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTextBrowser>

namespace {

QStringList between(const QStringList& lines, const QString& first, const QString& last) {
    const qsizetype from = lines.indexOf(first);
    const qsizetype to = lines.indexOf(last, from);
    EXPECT_GE(from, 0) << first.toStdString();
    EXPECT_GE(to, 0) << last.toStdString();
    return lines.mid(from, to - from + 1);
}

TEST(ReportSettings, StartsWithEveryBoxTickedAndEmptyFields) {
    ReportRun run;
    for (const char* box :
         {"cbVehicleInfo", "cbCustomerAddress", "cbSystemStatus", "cbStoredDTCs", "cbPendingDTCs",
          "cbFreezeFrame", "cbOxygenSensorTests", "cbPermanentDTCs"})
        EXPECT_TRUE(run.field<QCheckBox>(box)->isChecked()) << box;
    for (const char* edit : {"edCustomerAddress1", "edCustomerAddress4", "edRepMarke", "edRepModel",
                             "edRepYear", "edRepVIN"})
        EXPECT_TRUE(run.field<QLineEdit>(edit)->text().isEmpty()) << edit;
    EXPECT_EQ(run.settings.size(), QSize(393, 305));
    // Opened, the first field of the tab in front takes what the user types.
    run.settings.show();
    EXPECT_EQ(run.settings.focusWidget(), run.field<QLineEdit>("edCustomerAddress1"));
    run.settings.hide();
    run.field<QTabWidget>("PageControl1")->setCurrentIndex(1);
    run.settings.show();
    EXPECT_EQ(run.settings.focusWidget(), run.field<QLineEdit>("edRepMarke"));
    run.settings.hide();
}

TEST(ReportSettings, ViewShowsWhatThePagesShowAfterConnecting) {
    ReportRun run;
    run.connectElmsim();
    run.find<QLineEdit>("edUserAddress1")->setText("Garage Miller");
    run.find<QLineEdit>("edUserPhone")->setText("0123 456");
    run.field<QLineEdit>("edCustomerAddress1")->setText("Jane Doe");
    run.field<QLineEdit>("edRepMarke")->setText("Chevrolet");
    QTest::mouseClick(run.field<QPushButton>("btnView"), Qt::LeftButton);

    ASSERT_EQ(run.previewed, QStringList({previewReportPath()}));
    const QStringList lines = ReportRun::linesOf(previewReportPath());
    EXPECT_TRUE(lines.contains("      <USER_NAME>Garage Miller</USER_NAME>"));
    EXPECT_TRUE(lines.contains("      <USER_PHONE>0123 456</USER_PHONE>"));
    EXPECT_TRUE(lines.contains("      <ADDRESS1>Jane Doe</ADDRESS1>"));
    EXPECT_TRUE(lines.contains("      <VEHICLE_MAKE>Chevrolet</VEHICLE_MAKE>"));
    EXPECT_TRUE(lines.contains("      <MIL_STATE>On</MIL_STATE>"));
    // Four stored codes (the engine's three, the transmission's one): four result sections after
    // the title section.
    EXPECT_EQ(lines.count("<STORED_DTC_RESULTS>"), 4);
    EXPECT_EQ(
        between(lines, "</STORED_DTCS>", "</STORED_DTC_RESULTS>").mid(1),
        QStringList({"<STORED_DTC_RESULTS>", "      <DTC_NUMBER>P0133</DTC_NUMBER>",
                     "      <DTC_DESCRIPTION>" + run.grid("DTC_Grid")->item(0, 2)->text() +
                         "</DTC_DESCRIPTION>",
                     "      <DTC_UNIT>ECM-EngineControl</DTC_UNIT>", "</STORED_DTC_RESULTS>"}));
    EXPECT_TRUE(lines.contains("\t  <FF_DTC>P0133</FF_DTC>"));
    EXPECT_TRUE(QFile::exists(QFileInfo(previewReportPath()).dir().filePath("DTCResults.xsl")));

    // The preview shows the formatted report, every section.
    const QString shown = run.preview.shownText();
    for (const char* text : {"Garage Miller", "Jane Doe", "Continuous Monitoring tests", "P0171",
                             "Pending Emission-Related", "Freeze Frames", "O2 Sensors"})
        EXPECT_TRUE(shown.contains(QLatin1String(text))) << text;
}

TEST(ReportSettings, ReportFollowsTheMakerChosenOnTheCodesPage) {
    ReportRun run;
    run.connectDemo();
    const QString p1107 = "      <DTC_NUMBER>P1107</DTC_NUMBER>";
    QStringList lines = run.view();
    EXPECT_EQ(lines.value(lines.indexOf(p1107) + 1), "      <DTC_DESCRIPTION></DTC_DESCRIPTION>");

    auto* makers = run.find<QComboBox>("cbManufacturer");
    makers->setCurrentIndex(makers->findText("Ford"));
    const QString described = run.grid("DTC_Grid")->item(3, 2)->text();
    ASSERT_FALSE(described.isEmpty());
    lines = run.view();
    EXPECT_EQ(lines.value(lines.indexOf(p1107) + 1),
              "      <DTC_DESCRIPTION>" + described + "</DTC_DESCRIPTION>");
}

TEST(ReportSettings, SecondViewOverwritesThePreviewFile) {
    ReportRun run;
    run.field<QLineEdit>("edCustomerAddress1")->setText("First");
    EXPECT_TRUE(run.view().contains("      <ADDRESS1>First</ADDRESS1>"));
    run.field<QLineEdit>("edCustomerAddress1")->setText("Second");
    const QStringList second = run.view();
    EXPECT_TRUE(second.contains("      <ADDRESS1>Second</ADDRESS1>"));
    EXPECT_FALSE(second.contains("      <ADDRESS1>First</ADDRESS1>"));
    EXPECT_TRUE(run.preview.shownText().contains("Second"));
    EXPECT_EQ(run.previewed.size(), 2);
}

TEST(ReportSettings, ClearedBoxesLeaveOnlyTheHead) {
    ReportRun run;
    for (QCheckBox* box : run.settings.findChildren<QCheckBox*>())
        box->setChecked(false);
    const QStringList lines = run.view();
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[3], "<USER_INFO>");
    EXPECT_EQ(lines.mid(19),
              QStringList({"<LAYOUT_REPORT>", "      <TITLE>OBD-II Diagnostic Report</TITLE>",
                           "</LAYOUT_REPORT>", "</doc>"}));
}

TEST(ReportSettings, SaveWritesTheChosenFileAndCancelWritesNothing) {
    ReportRun run;
    const QString dir = test_env::freshDir("saved");
    QString askedIn;
    run.dialogs.saveFile = [&](const QString& reportsDir) {
        askedIn = reportsDir;
        return QString();
    };
    QTest::mouseClick(run.field<QPushButton>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(askedIn, reportsDirPath());
    EXPECT_TRUE(run.previewed.isEmpty());

    run.dialogs.saveFile = [&dir](const QString&) { return dir + "/customer.xml"; };
    QTest::mouseClick(run.field<QPushButton>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"customer.xml", "DTCResults.xsl"}));
    EXPECT_EQ(ReportRun::linesOf(dir + "/customer.xml").last(), "</doc>");
    EXPECT_TRUE(run.previewed.isEmpty());
    EXPECT_EQ(run.dialogs.told,
              QStringList{"The report was saved as \"" + dir + "/customer.xml\"."});
}

// A workshop's own stylesheet beside the report is never replaced; each Save and View says so
// once, in the message that also names the saved file.
TEST(ReportSettings, UsersOwnStylesheetIsKeptAndSaidOncePerReport) {
    ReportRun run;
    const QString dir = test_env::freshDir("own-stylesheet");
    const QString own = "<xsl:stylesheet/>";
    for (const QString& folder : {dir, createReportsDir()}) {
        QFile file(folder + "/DTCResults.xsl");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(own.toUtf8());
    }
    const auto cleanUp = qScopeGuard([] { QFile::remove(reportsDirPath() + "/DTCResults.xsl"); });
    run.dialogs.saveFile = [&dir](const QString&) { return dir + "/customer.xml"; };
    QTest::mouseClick(run.field<QPushButton>("btnSave"), Qt::LeftButton);
    run.view();
    const QString kept = "The stylesheet \"%1/DTCResults.xsl\" was not written by this program and "
                         "was kept; the report is shown with it.";
    EXPECT_EQ(run.dialogs.told, QStringList({"The report was saved as \"" + dir +
                                                 "/customer.xml\".\n\n" + kept.arg(dir),
                                             kept.arg(reportsDirPath())}));
    for (const QString& folder : {dir, reportsDirPath()}) {
        QFile file(folder + "/DTCResults.xsl");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), own.toUtf8()) << folder.toStdString();
    }
    EXPECT_EQ(run.previewed.size(), 1);
}

TEST(ReportSettings, GermanRunWritesGermanLabels) {
    ReportRun run(QStringLiteral("de"));
    const QStringList lines = run.view();
    for (const char* line : {"      <USER_PHONE_LAB>Telefon:</USER_PHONE_LAB>",
                             "      <DATE_TIME_LAB>Datum/Uhrzeit:</DATE_TIME_LAB>",
                             "      <TITLE>OBD-II-Diagnosebericht</TITLE>",
                             "      <TITLE_VEHICLE_INFO>Fahrzeug</TITLE_VEHICLE_INFO>",
                             "      <VEHICLE_VIN_LAB>FIN:</VEHICLE_VIN_LAB>",
                             "      <TITLE_S_C>Unterstützt/Abgeschlossen</TITLE_S_C>",
                             "      <TEST_1_C_S>k.A.</TEST_1_C_S>",
                             "      <TITLE_FREEZE_FRAME>Freeze-Frames</TITLE_FREEZE_FRAME>"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
}

TEST(ReportSettings, CommandLineWritesTheSameDocumentAsTheWindow) {
    ReportRun run;
    run.connectElmsim();
    run.click("dxButton11"); // the first oxygen sensor's tests, as the command line reads them
    {
        SettingsStore store;
        ASSERT_TRUE(store.open(true));
        store.writeText(setting_names::Address[0], "Garage Miller");
        store.writeText(setting_names::Address[6], "info@garage.example");
        store.close();
    }
    run.find<QLineEdit>("edUserAddress1")->setText("Garage Miller");
    run.find<QLineEdit>("edUserEmail")->setText("info@garage.example");
    run.field<QLineEdit>("edCustomerAddress1")->setText("Jane Doe");
    run.field<QLineEdit>("edCustomerAddress2")->setText("Elm Road 5");
    run.field<QLineEdit>("edRepMarke")->setText("Chevrolet");
    run.field<QLineEdit>("edRepModel")->setText("Cavalier");
    run.field<QLineEdit>("edRepYear")->setText("1994");
    run.field<QLineEdit>("edRepVIN")->setText(run.find<QLineEdit>("edVIN")->text());
    QStringList window = run.view();
    run.click("btnDisconnect");

    const QString out = test_env::freshDir("cli-report") + "/report.xml";
    QProcess tool;
    tool.start(QStringLiteral(QUORVANE_CLI_PATH),
               {"--port", run.elm->slavePath(), "report", "--out", out, "--customer", "Jane Doe",
                "--customer", "Elm Road 5", "--make", "Chevrolet", "--model", "Cavalier", "--year",
                "1994"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QStringList cli = ReportRun::linesOf(out);
    // The window reads the monitor tests only when its page asks; the command line always does.
    const qsizetype monitorTests = cli.indexOf("<MONITOR_TESTS>");
    ASSERT_GE(monitorTests, 0);
    cli.remove(monitorTests, cli.indexOf("</MONITOR_TESTS>") - monitorTests + 1);
    // Only the moment of writing differs.
    auto withoutTime = [](QStringList lines) {
        lines.removeIf([](const QString& line) { return line.contains("<DATE_TIME>"); });
        return lines;
    };
    EXPECT_EQ(withoutTime(cli), withoutTime(window));
    EXPECT_TRUE(QFile::exists(QFileInfo(out).dir().filePath("DTCResults.xsl")));
}

} // namespace
