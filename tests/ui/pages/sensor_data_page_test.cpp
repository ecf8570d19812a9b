// The live-data page: the sensor table filled by the polling worker, the samples counter, Read
// and Stop, the data-logging bar and its files, through the Demo-Mode vehicle and the emulated
// interface on a pseudo-terminal.

#include "core/l10n/const_str.h"
#include "core/livedata/sensor_thread.h"
#include "tests/support/grid_pixels.h"
#include "tests/support/live_run.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/data_log_bar.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/widgets/segment_display.h"
#include "ui/widgets/status_led.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {

TEST(SensorDataPage, PageHasItsTabsAndStartsIdle) {
    LiveRun run;
    run.showPage("btnSensorData");
    QTabWidget* tabs = run.find<QTabWidget>("nbSensordata");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), "Table Data");
    EXPECT_EQ(tabs->widget(0)->objectName(), "tsTabelle");
    EXPECT_EQ(tabs->widget(1)->objectName(), "tsEinzeln");
    EXPECT_EQ(tabs->widget(2)->objectName(), "tsDashboard");
    EXPECT_EQ(tabs->widget(3)->objectName(), "tsSensorOptions");
    EXPECT_EQ(tabs->widget(4)->objectName(), "tsLogViewer");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(run.find<QPushButton>("btnSensorsRead")->isEnabled());
    EXPECT_FALSE(run.find<QPushButton>("btnSensorsStop")->isEnabled());
    EXPECT_EQ(run.find<SegmentDisplay>("labCounter")->text(), "0");
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(), "-");
    QTableWidget* grid = run.grid("SensorDataGrid");
    EXPECT_EQ(grid->rowCount(), 1); // one body row before any connection
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), " S");
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "Value");
    // The sensor column takes what the others leave, less 30 pixels.
    auto* panel = run.find<QWidget>("SensorDataGrid_Panel");
    int others = 0;
    for (int column : {0, 1, 3, 4, 5})
        others += grid->columnWidth(column);
    EXPECT_EQ(grid->columnWidth(2), panel->width() - others - 30);
    // The fixed columns keep their widths, or grow to their heading ("PID").
    EXPECT_GE(grid->columnWidth(0), 17);
    EXPECT_GE(grid->columnWidth(1), 18);
}

TEST(SensorDataPage, DemoVehiclePolledCycleAfterCycleCountsEveryCycleShown) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    QTableWidget* grid = run.grid("SensorDataGrid");
    // The supported live sensors of the demo vehicle, in PID order, not yet polled: no values.
    EXPECT_EQ(columnTexts(grid, 1), QStringList({"03", "04", "05", "06", "07", "0C", "0D", "0E",
                                                 "0F", "10", "11", "12", "15"}));
    EXPECT_EQ(columnTexts(grid, 3), QStringList(13, QString()));
    EXPECT_EQ(columnTexts(grid, 0), QStringList(13, "1"));
    EXPECT_EQ(columnTexts(grid, 4)[2], "°C");
    EXPECT_EQ(columnTexts(grid, 4)[12], ""); // PID 15's value text carries its volts

    run.click("btnSensorsRead");
    EXPECT_FALSE(run.find<QPushButton>("btnSensorsRead")->isEnabled());
    EXPECT_TRUE(run.find<QPushButton>("btnSensorsStop")->isEnabled());
    run.pollUntilSamples(100);
    run.click("btnSensorsStop");
    run.waitUntilStopped();
    EXPECT_TRUE(run.find<QPushButton>("btnSensorsRead")->isEnabled());
    EXPECT_FALSE(run.find<QPushButton>("btnSensorsStop")->isEnabled());
    EXPECT_EQ(run.samples(), run.page->sensorThread().handOffs());
    EXPECT_GE(run.samples(), 100);
    EXPECT_EQ(columnTexts(grid, 3)[2], "40"); // coolant of the demo vehicle
    EXPECT_TRUE(showsMark(renderedCell(grid, 0, 0), QPoint(1, 2), QStringLiteral("BMP_OK")));

    // The count goes on across a restart, until Reset.
    const int before = run.samples();
    run.click("btnSensorsRead");
    run.pollUntilSamples(before + 5);
    run.click("btnStart"); // navigation stops polling before it changes the page
    EXPECT_FALSE(run.page->sensorThread().isPolling());
    run.click("btnReset");
    EXPECT_EQ(run.samples(), 0);
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join('\n').toStdString();
}

TEST(SensorDataPage, ReadIsRefusedWithoutAConnectionAndDoesNothingOnTheOptionsTab) {
    LiveRun run;
    run.showPage("btnSensorData");
    run.click("btnSensorsRead");
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith("Communication with the vehicle"));
    EXPECT_FALSE(run.page->sensorThread().isPolling());

    run.connectDemo();
    run.page->tabs()->setCurrentIndex(3);
    run.click("btnSensorsRead");
    EXPECT_FALSE(run.page->sensorThread().isPolling());
    EXPECT_EQ(run.notifier.messages.size(), 1);

    // A control unit that stopped answering keeps the worker from starting.
    run.page->tabs()->setCurrentIndex(0);
    run.context.link.setDemoMode(false);
    run.click("btnSensorsRead");
    EXPECT_FALSE(run.page->sensorThread().isPolling());
}

TEST(SensorDataPage, EmptyMonitoredListStillShowsOneRowAndCounts) {
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.page->liveData().lists.MonitoredSensors.clear();
    run.page->refreshSensorTable();
    QTableWidget* grid = run.grid("SensorDataGrid");
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(columnTexts(grid, 1), QStringList{""});
    run.click("btnSensorsRead");
    run.pollUntilSamples(20);
    run.page->stopPollingAndWait();
    EXPECT_GE(run.samples(), 20);
}

TEST(SensorDataPage, GraphTabWithoutSensorsPollsNothingAndEndsAtOnce) {
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.page->tabs()->setCurrentIndex(1);
    run.click("btnSensorsRead");
    run.waitUntilStopped();
    EXPECT_EQ(run.samples(), 0);
    EXPECT_TRUE(run.find<QPushButton>("btnSensorsRead")->isEnabled());
}

TEST(SensorDataPage, ValuesAndUnitsFollowTheUnitSystemAndErrorsShowAsTheyCame) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.page->liveData().lists.MonitoredSensors[0].entry->valueText = const_str::Error;
    run.context.unitSystem = UnitSystem::English;
    run.page->refreshSensorTable();
    QTableWidget* grid = run.grid("SensorDataGrid");
    EXPECT_EQ(columnTexts(grid, 3)[0], "Error");
    EXPECT_EQ(columnTexts(grid, 4)[2], "°F");
    run.click("btnSensorsRead");
    run.pollUntilSamples(1);
    run.page->stopPollingAndWait();
    EXPECT_EQ(columnTexts(grid, 3)[2], "104"); // 40 °C
}

TEST(SensorDataPage, RecordPauseRecordStopWritesOneFileOfWholeRecords) {
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    SensorList& monitored = run.page->liveData().lists.MonitoredSensors;
    monitored = monitored.mid(0, 2);
    monitored[0].displayName = "Temp, \"raw\"";
    monitored[0].entry->valueText = "12,5";
    monitored[1].entry->valueText = const_str::Error;
    run.page->refreshSensorTable();
    auto* led = run.find<StatusLed>("ledLog");
    EXPECT_EQ(led->shownColor(), QColor(0xFF, 0x00, 0x00));
    EXPECT_FALSE(led->blink());

    run.click("btnLogRecord");
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(),
              QDir::toNativeSeparators(run.logFolder + "/240309140307.csv"));
    EXPECT_TRUE(led->blink());
    EXPECT_EQ(led->ledOnColor(), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(led->ledOffColor(), QColor(0x00, 0x80, 0x00));
    EXPECT_FALSE(run.find<QPushButton>("btnLogRecord")->isEnabled());
    run.page->refreshSensorTable();

    run.click("btnLogPause");
    EXPECT_FALSE(led->blink());
    EXPECT_EQ(led->shownColor(), QColor(0xFF, 0xFF, 0x00));
    EXPECT_FALSE(run.find<QPushButton>("btnLogPause")->isEnabled());
    run.page->refreshSensorTable(); // paused: nothing written

    run.click("btnLogRecord");
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(),
              QDir::toNativeSeparators(run.logFolder + "/240309140307.csv"));
    run.page->refreshSensorTable();
    run.click("btnLogStop");
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(), "-");
    EXPECT_EQ(led->shownColor(), QColor(0xFF, 0x00, 0x00));
    EXPECT_FALSE(run.find<QPushButton>("btnLogStop")->isEnabled());

    QFile file(run.logFolder + "/240309140307.csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString name = run.grid("SensorDataGrid")->item(1, 2)->text();
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "\"Time\",\"Temp, \"\"raw\"\"\",\"" + name +
                                                     "\"\r\n"
                                                     "\"14:03:07\",\"12,5\",\"Error\"\r\n"
                                                     "\"14:03:07\",\"12,5\",\"Error\"\r\n");

    // A second recording in the same second gets a name of its own.
    run.click("btnLogRecord");
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(),
              QDir::toNativeSeparators(run.logFolder + "/240309140307-2.csv"));
    // Another tab ends the recording.
    run.page->tabs()->setCurrentIndex(2);
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(), "-");
    EXPECT_TRUE(run.find<QPushButton>("btnLogRecord")->isEnabled());
}

TEST(SensorDataPage, RecordingWhilePollingLogsTheStartAndEveryCycle) {
    LiveRun run;
    run.connectDemo();
    run.showPage("btnSensorData");
    run.click("btnLogRecord");
    run.click("btnSensorsRead");
    run.pollUntilSamples(2);
    run.page->stopPollingAndWait();
    const int cycles = run.samples();
    run.click("btnLogStop");
    const QStringList lines = run.csvLines();
    ASSERT_EQ(lines.size(), 1 + 1 + cycles); // header, the start of Read, one per cycle shown
    EXPECT_EQ(lines[0].count("\",\""), 13);
    for (const QString& line : lines.mid(1))
        EXPECT_EQ(line.count("\",\""), 13) << line.toStdString();
}

TEST(SensorDataPage, PolledThroughThePtyUntilTheAdapterIsPulled) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    LiveRun run;
    run.connectElmsim();
    run.showPage("btnSensorData");
    const int sensors = int(run.page->liveData().lists.MonitoredSensors.size());
    ASSERT_GT(sensors, 0);
    run.click("btnLogRecord");
    run.click("btnSensorsRead");
    run.pollUntilSamples(300);
    EXPECT_EQ(run.samples(), run.page->sensorThread().handOffs());
    EXPECT_EQ(columnTexts(run.grid("SensorDataGrid"), 3)[2], "50"); // 41 05 5A

    run.elm->closeMaster();
    run.waitUntilStopped();
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.boxes.size() == 1; }, 10000));
    EXPECT_TRUE(run.boxes[0].contains("disconnected")) << run.boxes[0].toStdString();
    EXPECT_TRUE(run.find<QPushButton>("btnSensorsRead")->isEnabled());

    // The lost link ended the recording: the file is closed and ends with whole records.
    auto* led = run.find<StatusLed>("ledLog");
    EXPECT_FALSE(run.page->dataLog()->isFileOpen());
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(), "-");
    EXPECT_EQ(led->shownColor(), QColor(0xFF, 0x00, 0x00));
    EXPECT_FALSE(led->blink());
    const QStringList lines = run.csvLines();
    ASSERT_GE(lines.size(), 2);
    for (const QString& line : lines) {
        EXPECT_TRUE(line.startsWith('"') && line.endsWith('"')) << line.toStdString();
        EXPECT_EQ(line.count("\",\""), sensors) << line.toStdString();
    }

    // Reconnected, the next session never lands in the old file: Record starts a new one, and
    // a new connection ends that one too.
    run.connectElmsim();
    run.click("btnLogRecord");
    EXPECT_EQ(run.find<QLabel>("labDataLogFile")->text(),
              QDir::toNativeSeparators(run.logFolder + "/240309140307-2.csv"));
    EXPECT_EQ(readCrLfLines(run.logFolder + "/240309140307-2.csv").size(), 1);
    run.click("NeuInitialisierenBtn");
    EXPECT_FALSE(run.page->dataLog()->isFileOpen());
    EXPECT_EQ(readCrLfLines(run.logFolder + "/240309140307.csv"), lines);
}

// An interface that falls silent while polling is lost after three requests without an answer,
// as a pulled one: polling ends, the recording is closed whole and the window says so.
TEST(SensorDataPage, PollingOfAnInterfaceThatFallsSilentEndsAsALostLink) {
    LiveRun run;
    run.connectElmsimFallingSilent(20);
    run.showPage("btnSensorData");
    run.click("btnLogRecord");
    run.click("btnSensorsRead");
    run.waitUntilStopped();
    while (!run.logLines().contains(const_str::InterfaceLost))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(run.boxes, QStringList({"The interface has not answered 3 requests in a row."}));
    EXPECT_FALSE(run.page->dataLog()->isFileOpen());
    EXPECT_TRUE(run.context.connection.noCommunication());
    for (const QString& line : run.csvLines())
        EXPECT_TRUE(line.startsWith('"') && line.endsWith('"')) << line.toStdString();
}

TEST(SensorDataPage, AnElm327OnACanCarPollsTheSameValuesAsTheDemoVehicle) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    auto pollOnce = [](LiveRun& run) {
        run.showPage("btnSensorData");
        run.click("btnSensorsRead");
        run.pollUntilSamples(3);
        run.page->stopPollingAndWait();
        QTableWidget* grid = run.grid("SensorDataGrid");
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, 1)->text() != "0C") // a fresh engine speed on every request
                rows << grid->item(row, 1)->text() + "=" + grid->item(row, 3)->text();
        return rows;
    };
    LiveRun demo;
    demo.connectDemo();
    const QStringList expected = pollOnce(demo);

    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.headers = true;
    config.elm327Settings.secondUnit = true;
    LiveRun can;
    can.elm = std::make_unique<PtyElm>(config);
    can.elm->start();
    can.context.comPort->setPortName(can.elm->slavePath());
    can.click("NeuInitialisierenBtn");
    EXPECT_EQ(pollOnce(can), expected);
    EXPECT_EQ(can.samples(), can.page->sensorThread().handOffs());
}

} // namespace

namespace {

// A car of today: after connecting, the table polls the parameters above 4E it offers, each value
// of a PID that carries several in a row of its own, and none that byte A leaves out.
TEST(SensorDataPage, ACarOfTodayShowsItsParametersAbove4E) {
    PtyElm::Config config;
    config.profile = QStringLiteral("modern");
    config.elm327 = true;
    LiveRun run;
    run.elm = std::make_unique<PtyElm>(config);
    run.elm->start();
    run.context.comPort->setPortName(run.elm->slavePath());
    run.click("NeuInitialisierenBtn");
    run.showPage("btnSensorData");
    run.click("btnSensorsRead");
    run.pollUntilSamples(1);
    run.page->stopPollingAndWait();
    QTableWidget* grid = run.grid("SensorDataGrid");
    QStringList names;
    for (int row = 0; row < grid->rowCount(); ++row)
        names << grid->item(row, 1)->text() + " " + grid->item(row, 2)->text();
    for (const char* shown : {"5C Engine oil temperature", "67 Engine coolant temperature sensor 2",
                              "68 Intake air temperature bank 1 sensor 2", "A6 Odometer"})
        EXPECT_TRUE(names.contains(QLatin1String(shown))) << shown << names.join('|').toStdString();
    EXPECT_FALSE(names.contains("68 Intake air temperature bank 2 sensor 1"));
}

} // namespace
