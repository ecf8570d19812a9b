// The live-data page's graph and dashboard tabs: the sensors of the two series, the chart and its
// history slider, saving and printing the chart, the gauges, readouts and their check boxes,
// through the Demo-Mode vehicle and the emulated interface on a pseudo-terminal.

#include "core/l10n/const_str.h"
#include "core/livedata/sensor_thread.h"
#include "tests/support/error_boxes.h"
#include "tests/support/live_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/dashboard_tab.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/sensor_graph_tab.h"
#include "ui/widgets/analog_gauge.h"
#include "ui/widgets/dot_matrix_display.h"
#include "ui/widgets/segment_display.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QValueAxis>

namespace {

TEST(SensorGraph, DemoVehicleEngineSpeedAndCoolantGrowOnTheirAxes) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.page->tabs()->setCurrentIndex(1);
    QComboBox* red = run.graph->selector(1);
    // The placeholder first, then the monitored sensors; after a connection it is selected.
    EXPECT_EQ(red->count(), 1 + run.page->liveData().lists.MonitoredSensors.size());
    EXPECT_EQ(red->itemText(0), "<--->");
    EXPECT_EQ(red->currentIndex(), 0);
    EXPECT_EQ(run.graph->axisTitle(1), const_str::NotAvailable);

    run.choose(1, "0C");
    run.choose(2, "05");
    EXPECT_EQ(run.page->liveData().SeriesPid1, 0x0C);
    EXPECT_EQ(run.page->liveData().SeriesPid2, 0x05);
    const LiveSensor* rpm = run.page->liveData().lists.entryOf(0x0C);
    EXPECT_EQ(run.graph->axisTitle(1), "0   < X <   8000  " + rpm->pid.metricUnit);
    // The chart reads titles as rich text: the "<" and the blanks must reach it as characters.
    EXPECT_TRUE(run.graph->axis(1)->titleText().startsWith("0&nbsp;&nbsp;&nbsp;&lt;&nbsp;X"));
    EXPECT_EQ(run.graph->axis(1)->max(), 8000);
    EXPECT_EQ(run.graph->axisTitle(2), "-40   < X <   215  °C");
    EXPECT_EQ(run.graph->axis(2)->min(), -40);

    run.click("btnSensorsRead");
    run.pollUntilSamples(60);
    run.page->stopPollingAndWait();
    // The newest 51 samples shown on an axis that followed them; the slider at its end. The
    // cycle in which the stop came may have added one sample that was never shown.
    ASSERT_EQ(run.graph->series(1)->count(), 51);
    const int shown = int(LiveRun::xs(run.graph->series(2)).last()) + 1;
    EXPECT_EQ(shown, run.samples());
    const int kept = int(run.page->liveData().history.size());
    EXPECT_GE(kept, shown);
    EXPECT_LE(kept, shown + 1);
    EXPECT_EQ(run.graph->bottomAxis()->min(), shown - 51);
    EXPECT_EQ(run.graph->bottomAxis()->max(), shown - 1);
    EXPECT_EQ(run.graph->slider()->maximum(), shown - 51);
    EXPECT_EQ(run.graph->slider()->value(), shown - 51);
    EXPECT_GT(run.graph->series(1)->points().last().y(), 0);  // the engine runs
    EXPECT_EQ(run.graph->series(2)->points().last().y(), 40); // coolant of the demo vehicle
    EXPECT_EQ(run.find<SegmentDisplay>("IAeverLiquidIndicator2")->text(), "40");
    EXPECT_EQ(run.find<QLabel>("labTextIndikator2")->text(), "-");

    // The same item again changes nothing; another one starts over.
    run.choose(2, "05");
    EXPECT_EQ(int(run.page->liveData().history.size()), kept);
    EXPECT_EQ(run.samples(), shown);
    run.choose(2, "0D");
    EXPECT_EQ(run.page->liveData().history.size(), 0u);
    EXPECT_EQ(run.samples(), 0);
    EXPECT_EQ(run.graph->series(1)->count(), 0);
    EXPECT_EQ(run.graph->bottomAxis()->min(), 0);
    EXPECT_EQ(run.graph->bottomAxis()->max(), 50);

    // A stop in the middle of a request (slow answers) is no reading: the newest sample is the
    // last whole one, not a 0 for the stopped request.
    run.choose(1, "");
    run.choose(2, "05");
    run.context.link.setDemoDelay(40);
    run.click("btnSensorsRead");
    run.pollUntilSamples(3);
    run.page->stopPollingAndWait();
    run.context.link.setDemoDelay(0);
    const std::size_t newest = run.page->liveData().history.size() - 1;
    EXPECT_EQ(run.page->liveData().history.range(newest, newest).at(0).series2, 40);

    // The placeholder on both series: nothing is polled and the worker ends after one cycle.
    run.choose(2, "");
    EXPECT_EQ(run.page->liveData().SeriesPid1, 0);
    EXPECT_EQ(run.page->liveData().SeriesPid2, 0);
    run.click("btnSensorsRead");
    run.waitUntilStopped();
    EXPECT_EQ(run.samples(), 0);
}

TEST(SensorGraph, SliderPagesThroughTheKeptSamplesOnlyWhilePollingIsStopped) {
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.page->tabs()->setCurrentIndex(1);
    QSlider* slider = run.graph->slider();

    run.keepSamples(200);
    run.graph->graphHandOff(); // as after the last cycle
    EXPECT_EQ(slider->maximum(), 149);
    EXPECT_EQ(LiveRun::xs(run.graph->series(1)).first(), 149);

    slider->setValue(0);
    EXPECT_EQ(run.graph->bottomAxis()->min(), 0);
    EXPECT_EQ(run.graph->bottomAxis()->max(), 50);
    ASSERT_EQ(run.graph->series(1)->count(), 51);
    EXPECT_EQ(run.graph->series(1)->at(50), QPointF(50, 50));
    EXPECT_EQ(run.graph->series(2)->at(0), QPointF(0, 1000));
    slider->setValue(149);
    EXPECT_EQ(LiveRun::xs(run.graph->series(1)).first(), 149);
    EXPECT_EQ(LiveRun::xs(run.graph->series(1)).last(), 199);
    EXPECT_EQ(run.graph->bottomAxis()->min(), 149);

    // While the worker runs the slider shows nothing of its own.
    run.graph->polling = [] { return true; };
    slider->setValue(10);
    EXPECT_EQ(LiveRun::xs(run.graph->series(1)).first(), 149);
    run.graph->polling = [] { return false; };

    // 51 samples: the slider reaches 50, but a window past 0 never reads past the newest.
    run.keepSamples(51);
    run.graph->graphHandOff();
    EXPECT_EQ(slider->maximum(), 50);
    EXPECT_EQ(LiveRun::xs(run.graph->series(1)).last(), 50);
    slider->setValue(30);
    EXPECT_EQ(LiveRun::xs(run.graph->series(1)),
              (QList<double>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40,
                             41, 42, 43, 44, 45, 46, 47, 48, 49, 50}));
}

TEST(SensorGraph, ChartDrawsTheSeriesInTheChosenColourAndWidthAndSavesAPicture) {
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.page->tabs()->setCurrentIndex(1);
    QApplication::processEvents();
    // A flat line in the middle of the left axis (0 .. 100).
    run.page->liveData().history.clear();
    for (int i = 0; i < 20; ++i)
        run.page->liveData().history.append({50.0, 0.0});
    run.graph->graphHandOff();
    QApplication::processEvents();
    auto* view = run.find<QChartView>("SensorChart");
    // The line's colour on the pixels of the line (a wide pen: its middle is not blended).
    auto lineShows = [&](const QColor& colour) {
        const QPointF scene = run.graph->chart()->mapToPosition({10, 50}, run.graph->series(1));
        const QPoint at = view->mapFromScene(scene);
        const QImage image = view->grab().toImage();
        for (int dy = -2; dy <= 2; ++dy)
            if (image.pixelColor(at + QPoint(0, dy)) == colour)
                return true;
        return false;
    };
    run.page->setGraphWidth(1, 3);
    QApplication::processEvents();
    EXPECT_TRUE(lineShows(QColor(0xFF, 0x00, 0x00)));
    run.page->setGraphColour(1, QColor(0x00, 0x80, 0x00));
    QApplication::processEvents();
    EXPECT_TRUE(lineShows(QColor(0x00, 0x80, 0x00)));
    EXPECT_FALSE(lineShows(QColor(0xFF, 0x00, 0x00)));
    EXPECT_EQ(run.graph->series(1)->pen().width(), 3);
    EXPECT_EQ(run.find<QFrame>("panelSensDigi1")->palette().color(QPalette::Window),
              QColor(0x00, 0x80, 0x00));
    EXPECT_EQ(run.graph->axis(1)->linePenColor(), QColor(0x00, 0x80, 0x00));

    // Saved as a bitmap in graphs/ under a time-stamped name, or as PNG when so named.
    QString offered;
    const QString folder = test_env::freshDir("graph-pictures") + "/graphs";
    run.graph->graphsFolder = [&] { return folder; };
    run.dialogs.pictureFile = [&](const QString& suggested) {
        offered = suggested;
        return suggested;
    };
    run.click("dxButton7");
    EXPECT_TRUE(offered.startsWith(folder + "/")) << offered.toStdString();
    EXPECT_TRUE(QFileInfo(offered).fileName().contains(QRegularExpression("^\\d{12}\\.bmp$")))
        << offered.toStdString();
    QImageReader bitmap(offered);
    EXPECT_EQ(bitmap.format(), "bmp");
    EXPECT_EQ(bitmap.size(), view->size());
    run.dialogs.pictureFile = [&](const QString&) { return folder + "/chart.png"; };
    run.click("dxButton7");
    EXPECT_EQ(QImageReader(folder + "/chart.png").format(), "png");

    // A folder that cannot be made stops the save with its message.
    QFile blocker(test_env::freshDir("graph-blocked") + "/graphs");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    run.graph->graphsFolder = [&] { return blocker.fileName(); };
    bool asked = false;
    run.dialogs.pictureFile = [&](const QString&) {
        asked = true;
        return QString();
    };
    ErrorBoxes& boxes = run.errorBoxes;
    run.click("dxButton7");
    EXPECT_FALSE(asked);
    EXPECT_EQ(boxes.texts,
              QStringList{"Directory \"" + blocker.fileName() + "\" can not be created."});

    // Printed through the print dialog: here into a PDF file.
    const QString pdf = test_env::freshDir("graph-print") + "/chart.pdf";
    run.dialogs.printer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    run.click("dxButton13");
    EXPECT_GT(QFileInfo(pdf).size(), 1000);

    // A printer that cannot take the chart says why instead of a warning on standard error.
    const QString nowhere = QFileInfo(pdf).absolutePath() + "/missing/chart.pdf";
    run.dialogs.printer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nowhere);
        return true;
    };
    boxes.texts.clear();
    run.click("dxButton13");
    EXPECT_EQ(boxes.texts, QStringList{"Printing failed: The file \"" + nowhere +
                                       "\" could not be written: its folder is missing or cannot "
                                       "be written."});
}

TEST(SensorDashboard, GaugesAndReadoutsFollowTheEntriesTheirBoxesAndTheUnitSystem) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    auto* speed = run.find<AnalogGauge>("labBD_ANALOG_KMH");
    auto* rpm = run.find<AnalogGauge>("labBD_ANALOG_RPM");
    auto* water = run.find<AnalogGauge>("labBD_ANALOG_WATER");
    auto* load = run.find<AnalogGauge>("labBD_ANALOG_LOAD");
    auto* speedText = run.find<DotMatrixDisplay>("labDB_LCD_KMH");
    auto* rpmText = run.find<DotMatrixDisplay>("labDB_LCD_RPM");
    EXPECT_EQ(speedText->text(), "OFF");
    EXPECT_EQ(speed->scale(), 220);
    EXPECT_EQ(speed->caption(), "km/h");
    EXPECT_EQ(rpm->caption(), "RPM x1000");
    EXPECT_EQ(water->scale(), 120);
    EXPECT_EQ(water->mainTicks(), 4);

    run.page->tabs()->setCurrentIndex(2);
    run.click("btnSensorsRead");
    run.pollUntilSamples(3);
    run.page->stopPollingAndWait();
    DashboardValues& board = run.page->liveData().dashboard;
    EXPECT_GT(rpm->value(), 0.3); // the demo engine idles and revs
    EXPECT_EQ(water->value(), 40);
    EXPECT_NE(rpmText->text(), "OFF");
    // The cycle in which the stop came was not shown; showing it now shows what it polled.
    run.page->dashboardHandOff();
    EXPECT_EQ(rpmText->text(), board[DashboardValues::EngineSpeed].valueText.left(5));
    EXPECT_EQ(speedText->text(), board[DashboardValues::VehicleSpeed].valueText);
    EXPECT_EQ(speed->value(), board[DashboardValues::VehicleSpeed].valueText.trimmed().toInt());
    board[DashboardValues::Load].valueText = "39.2"; // the load's decimal is read, not taken for 0
    run.page->dashboardHandOff();
    EXPECT_DOUBLE_EQ(load->value(), 39.2);

    // Leading blanks, a text that is no number, and "N/A".
    board[DashboardValues::EngineSpeed].valueText = "  800";
    board[DashboardValues::Load].valueText = const_str::Error;
    run.page->dashboardHandOff();
    EXPECT_DOUBLE_EQ(rpm->value(), 0.8);
    EXPECT_EQ(rpmText->text(), "  800");
    EXPECT_EQ(load->value(), 0);
    board[DashboardValues::CoolantTemperature].enabled = false; // as the worker does after "N/A"
    board[DashboardValues::CoolantTemperature].valueText = const_str::NotAvailable;
    run.page->dashboardHandOff();
    EXPECT_FALSE(run.find<QCheckBox>("cbBD_ANALOG_WATER")->isChecked());
    EXPECT_EQ(water->value(), 40);

    // A box switched off: "OFF" and the needle at 0; on again: the next hand-off shows the text.
    board[DashboardValues::VehicleSpeed].valueText = "57";
    run.click("cbBD_ANALOG_KMH");
    EXPECT_FALSE(board[DashboardValues::VehicleSpeed].enabled);
    EXPECT_EQ(speedText->text(), "OFF");
    EXPECT_EQ(speed->value(), 0);
    run.click("cbBD_ANALOG_KMH");
    EXPECT_TRUE(board[DashboardValues::VehicleSpeed].enabled);
    EXPECT_EQ(speedText->text(), "OFF");
    run.page->dashboardHandOff();
    EXPECT_EQ(speedText->text(), "57");
    EXPECT_EQ(speed->value(), 57);
    run.click("cbBD_ANALOG_LOAD");
    EXPECT_FALSE(board[DashboardValues::Load].enabled);
    EXPECT_EQ(load->value(), 0);

    // English units change the speed and temperature scales at once.
    run.find<QComboBox>("cbSystemOfMeasurements")->setCurrentIndex(1);
    EXPECT_EQ(speed->scale(), 140);
    EXPECT_EQ(speed->mainTicks(), 14);
    EXPECT_EQ(speed->upperMark(), 90);
    EXPECT_EQ(speed->caption(), "mph");
    EXPECT_EQ(water->scale(), 240);
    EXPECT_EQ(water->mainTicks(), 3);
    EXPECT_EQ(water->lowerMark(), 86);
    EXPECT_EQ(water->upperMark(), 212);
    EXPECT_EQ(water->caption(), "°F");
    EXPECT_EQ(rpm->scale(), 8);
    run.find<QComboBox>("cbSystemOfMeasurements")->setCurrentIndex(0);
    EXPECT_EQ(speed->scale(), 220);
    EXPECT_EQ(speed->upperMark(), 140);
    EXPECT_EQ(water->caption(), "°C");
}

TEST(SensorDashboard, GermanRunShowsTranslatedCaptionsAndReadouts) {
    ProgramRun run("de");
    auto* rpm = run.find<AnalogGauge>("labBD_ANALOG_RPM");
    EXPECT_EQ(rpm->caption(), "U/min x1000");
    EXPECT_EQ(run.find<DotMatrixDisplay>("labDB_LCD_RPM")->text(), "AUS");
}

TEST(SensorGraph, PolledThroughThePtyOnBothSeries) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    LiveRun run;
    run.connectElmsim();
    run.showPage("btnSensorData");
    run.page->tabs()->setCurrentIndex(1);
    run.choose(1, "0C");
    run.choose(2, "05");
    run.click("btnSensorsRead");
    run.pollUntilSamples(5);
    run.page->stopPollingAndWait();
    EXPECT_GE(run.graph->series(1)->count(), 5);
    EXPECT_EQ(run.graph->series(2)->points().last().y(), 50); // 41 05 5A
}

} // namespace
