// The sensor options tab: moving sensors between the three lists, reordering, "Apply" and
// "Cancel", and sensor files saved and opened, through the Demo-Mode vehicle.

#include "core/livedata/sensor_selection.h"
#include "core/livedata/sensor_thread.h"
#include "tests/support/error_boxes.h"
#include "tests/support/fake_sensor_file_dialogs.h"
#include "tests/support/grid_pixels.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/sensor_graph_tab.h"
#include "ui/pages/sensor_list_box.h"
#include "ui/pages/sensor_options_tab.h"

#include <QComboBox>
#include <QLineSeries>
#include <QTabWidget>

namespace {

struct OptionsRun : ProgramRun {
    SensorDataPage* page = window->sensorDataPage();
    SensorOptionsTab* options = page->optionsTab();
    QString folder = test_env::freshDir("sensor-files") + "/sensors";
    QString chosenFile;
    ErrorBoxes boxes;
    FakeSensorFileDialogs dialogs;

    OptionsRun() {
        options->sensorsFolder = [this] { return folder; };
        dialogs.saveFile = [this](const QString&) { return chosenFile; };
        dialogs.openFile = [this](const QString&) { return chosenFile; };
        options->setDialogs(dialogs);
    }
    void connectAndOpenTab() {
        connectDemo();
        showPage("btnSensorData");
        page->tabs()->setCurrentIndex(3);
    }
    static QStringList codes(const SensorListBox* box) { return pidCodesOf(box->items()); }
    // Selects the rows of these PID codes, and only those.
    static void select(SensorListBox* box, const QStringList& pidCodes) {
        box->clearSelection();
        const QStringList all = codes(box);
        for (const QString& code : pidCodes)
            box->item(int(all.indexOf(code)))->setSelected(true);
    }
    QStringList applied() const { return pidCodesOf(page->liveData().lists.MonitoredSensors); }
};

const QStringList kDemoMonitored{"03", "04", "05", "06", "07", "0C", "0D",
                                 "0E", "0F", "10", "11", "12", "15"};

TEST(SensorOptions, ListBoxesStartAsTheListsAndMovesWorkWithAndWithoutSelection) {
    OptionsRun run;
    run.connectAndOpenTab();
    SensorOptionsTab& tab = *run.options;
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), kDemoMonitored);
    EXPECT_TRUE(tab.supported()->items().isEmpty());
    const int notSupported = tab.notSupported()->count();
    EXPECT_GT(notSupported, 20);
    EXPECT_EQ(tab.monitored()->sizeHintForRow(0), 19);
    // A supported sensor carries the OK mark, an unsupported one the error mark.
    tab.resize(900, 600);
    QApplication::processEvents();
    const QRect row = tab.monitored()->visualItemRect(tab.monitored()->item(0));
    EXPECT_TRUE(
        showsMark(tab.monitored()->viewport()->grab(row).toImage(), QPoint(3, 3), "BMP_OK"));

    tab.monitored()->clearSelection();
    run.click("btnSRight"); // nothing selected: nothing moves
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), kDemoMonitored);

    OptionsRun::select(tab.monitored(), {"0C", "04"});
    run.click("btnSRight");
    EXPECT_EQ(OptionsRun::codes(tab.supported()), (QStringList{"04", "0C"}));
    EXPECT_EQ(tab.monitored()->count(), kDemoMonitored.size() - 2);

    OptionsRun::select(tab.supported(), {"0C"});
    run.click("btnSLeft");
    EXPECT_EQ(OptionsRun::codes(tab.monitored()).last(), "0C");
    EXPECT_EQ(OptionsRun::codes(tab.supported()), QStringList{"04"});

    OptionsRun::select(tab.notSupported(), {"0A"});
    run.click("dxButton1");
    EXPECT_EQ(OptionsRun::codes(tab.monitored()).last(), "0A");
    run.click("btnSAllLeft"); // back by the supported flag
    EXPECT_TRUE(tab.monitored()->items().isEmpty());
    EXPECT_EQ(tab.supported()->count(), kDemoMonitored.size());
    EXPECT_EQ(tab.notSupported()->count(), notSupported);
    run.click("btnSAllRight");
    run.click("dxButton12");
    EXPECT_EQ(tab.monitored()->count(), kDemoMonitored.size() + notSupported);
    EXPECT_TRUE(tab.supported()->items().isEmpty());
    EXPECT_TRUE(tab.notSupported()->items().isEmpty());

    // Nothing of this took effect: "Cancel" shows the applied lists again.
    EXPECT_EQ(run.applied(), kDemoMonitored);
    run.click("btnCancelSensos");
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), kDemoMonitored);
    EXPECT_EQ(tab.notSupported()->count(), notSupported);
}

TEST(SensorOptions, ReorderingByDropKeepsEachItemsSensor) {
    OptionsRun run;
    run.connectAndOpenTab();
    SensorListBox* monitored = run.options->monitored();
    monitored->setCurrentRow(0);
    monitored->dropCurrentAt(2);
    EXPECT_EQ(OptionsRun::codes(monitored).mid(0, 3), (QStringList{"04", "05", "03"}));
    monitored->setCurrentRow(1);
    monitored->dropCurrentAt(1); // on itself
    EXPECT_EQ(OptionsRun::codes(monitored).mid(0, 3), (QStringList{"04", "05", "03"}));
    monitored->setCurrentRow(0);
    monitored->dropCurrentAt(-1); // below the last item
    EXPECT_EQ(OptionsRun::codes(monitored).last(), "04");
    EXPECT_EQ(monitored->items().last().entry, run.page->liveData().lists.entryOf(0x04));
    EXPECT_EQ(monitored->currentRow(), monitored->count() - 1);
}

TEST(SensorOptions, ApplyTakesTheListsRefillsSelectorsAndKeepsTheSeries) {
    OptionsRun run;
    run.connectAndOpenTab();
    SensorGraphTab* graph = run.page->graphTab();
    run.page->tabs()->setCurrentIndex(1);
    graph->selector(1)->setCurrentIndex(6); // 0C
    Q_EMIT graph->selector(1)->activated(6);
    ASSERT_EQ(run.page->liveData().SeriesPid1, 0x0C);
    run.page->tabs()->setCurrentIndex(3);

    OptionsRun::select(run.options->monitored(), {"03", "06", "07"});
    run.click("btnSRight");
    run.click("btnApplySensors");
    const QStringList expected{"04", "05", "0C", "0D", "0E", "0F", "10", "11", "12", "15"};
    EXPECT_EQ(run.applied(), expected);
    EXPECT_EQ(pidCodesOf(run.page->liveData().lists.SupportedSensors),
              (QStringList{"03", "06", "07"}));
    EXPECT_EQ(run.grid("SensorDataGrid")->rowCount(), expected.size());
    EXPECT_EQ(run.grid("SensorDataGrid")->item(0, 1)->text(), "04");
    // Both selectors refilled without a selection; the red series still polls engine speed.
    EXPECT_EQ(graph->selector(1)->count(), 1 + expected.size());
    EXPECT_EQ(graph->selector(1)->currentIndex(), -1);
    EXPECT_EQ(graph->selector(2)->currentIndex(), -1);
    EXPECT_EQ(run.page->liveData().SeriesPid1, 0x0C);

    // The remembered positions are forgotten: picking position 3, which now names 0C, and the
    // placeholder for the other series both take effect.
    graph->selector(1)->setCurrentIndex(3);
    Q_EMIT graph->selector(1)->activated(3);
    EXPECT_EQ(run.page->liveData().SeriesPid1, 0x0C);
    EXPECT_EQ(run.page->liveData().history.size(), 0u);
    run.page->liveData().SeriesPid2 = 0x05;
    graph->selector(2)->setCurrentIndex(0);
    Q_EMIT graph->selector(2)->activated(0);
    EXPECT_EQ(run.page->liveData().SeriesPid2, 0);
}

TEST(SensorOptions, SavedSelectionOpensInFileOrderAfterANewConnection) {
    OptionsRun run;
    run.connectAndOpenTab();
    SensorOptionsTab& tab = *run.options;
    run.click("btnSAllLeft");
    OptionsRun::select(tab.supported(), {"0C"});
    run.click("btnSLeft");
    OptionsRun::select(tab.supported(), {"05"});
    run.click("btnSLeft");
    run.chosenFile = run.folder + "/choice.sen";
    run.click("btnSensConfigSave"); // saved as shown, without "Apply"
    QFile file(run.chosenFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0C\r\n05\r\n"));
    file.close();
    EXPECT_EQ(run.applied(), kDemoMonitored);

    // A new connection puts every supported sensor back; the file brings the choice back.
    run.click("NeuInitialisierenBtn");
    run.showPage("btnSensorData");
    run.page->tabs()->setCurrentIndex(3);
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), kDemoMonitored);
    run.click("btnSensConfigOpen");
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), (QStringList{"0C", "05"}));
    EXPECT_EQ(run.applied(), kDemoMonitored); // not applied yet
    run.click("btnApplySensors");
    EXPECT_EQ(run.applied(), (QStringList{"0C", "05"}));
    EXPECT_TRUE(run.boxes.texts.isEmpty()) << run.boxes.texts.join('\n').toStdString();
}

TEST(SensorOptions, OpeningTakesUnsupportedSensorsAndRefusesWhatIsNoSensorList) {
    OptionsRun run;
    run.connectAndOpenTab();
    SensorOptionsTab& tab = *run.options;
    QDir().mkpath(run.folder);
    run.chosenFile = run.folder + "/mixed.sen";
    QFile file(run.chosenFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0C\r\n0a\r\n0A\r\n0C\r\nZZ\r\n");
    file.close();
    run.click("btnSensConfigOpen");
    // 0A is not supported by the demo vehicle and comes from the other list, its mark unchanged.
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), (QStringList{"0C", "0A"}));
    EXPECT_FALSE(tab.monitored()->items()[1].entry->supported);

    // A file of another kind is reported and changes nothing.
    run.chosenFile = run.folder + "/log.sen";
    ASSERT_TRUE(QFile(run.chosenFile).open(QIODevice::WriteOnly));
    QFile log(run.chosenFile);
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("\"Time\",\"Engine RPM\"\r\n");
    log.close();
    run.click("btnSensConfigOpen");
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.boxes.texts.size() == 1; }, 5000));
    EXPECT_TRUE(run.boxes.texts[0].contains("holds no sensor list"))
        << run.boxes.texts[0].toStdString();
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), (QStringList{"0C", "0A"}));

    // Cancelled dialogs do nothing.
    run.chosenFile.clear();
    run.click("btnSensConfigOpen");
    run.click("btnSensConfigSave");
    EXPECT_EQ(run.boxes.texts.size(), 1);
    run.click("btnCancelSensos");
    EXPECT_EQ(OptionsRun::codes(tab.monitored()), kDemoMonitored);
}

} // namespace
