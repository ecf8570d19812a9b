// The oxygen-sensor page: the sensor list a connection finds, the ten service 05 rows read by
// "OK", the marks of the status column and the width of the description column.

#include "core/l10n/const_str.h"
#include "tests/support/error_boxes.h"
#include "tests/support/grid_pixels.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/o2_sensor_page.h"
#include "ui/widgets/o2_sensor_graph.h"

#include <QComboBox>

namespace {

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

TEST(O2SensorPage, BeforeAnyReadingEveryTestShowsTheFailureMark) {
    ProgramRun run;
    run.showPage("btnO2Sensor");
    QTableWidget* grid = run.grid("gridO2");
    ASSERT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(columnTexts(grid, 0), QStringList(10, "0"));
    EXPECT_EQ(columnTexts(grid, 1),
              QStringList({"$01", "$02", "$03", "$04", "$05", "$06", "$07", "$08", "$09", "$0A"}));
    EXPECT_EQ(grid->item(0, 2)->text(), "Rich to lean sensor threshold voltage (constant)");
    EXPECT_EQ(columnTexts(grid, 6),
              QStringList({"V", "V", "V", "V", "s", "s", "V", "V", "s", "s"}));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Description");
    EXPECT_EQ(grid->horizontalHeaderItem(5)->text(), "Max");
    for (int row = 0; row < 10; ++row)
        EXPECT_TRUE(showsMark(renderedCell(grid, row, 0), QPoint(1, 2), "BMP_ERROR")) << row;
}

TEST(O2SensorPage, DemoConnectionListsTwoSensorsFirstSelected) {
    ProgramRun run;
    run.connectDemo();
    auto* sensors = run.find<QComboBox>("cbO2SensLoc");
    EXPECT_EQ(items(sensors), QStringList({"O2 location 1-1", "O2 location 1-2"}));
    EXPECT_EQ(sensors->currentIndex(), 0);
}

TEST(O2SensorPage, OkReadsTheTenTestsOfTheSelectedSensor) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    ProgramRun run;
    run.connectElmsim();
    run.showPage("btnO2Sensor");
    QTableWidget* grid = run.grid("gridO2");
    run.click("dxButton11");
    EXPECT_EQ(columnTexts(grid, 0), QStringList(10, "1"));
    EXPECT_EQ(columnTexts(grid, 3), QStringList({"0.450", "0.450", "0.300", "0.600", "0.100",
                                                 "0.120", "0.100", "0.900", "1.00", "1.40"}));
    EXPECT_EQ(grid->item(7, 4)->text(), "0.800");
    EXPECT_EQ(grid->item(7, 5)->text(), "1.275");
    EXPECT_EQ(grid->item(0, 1)->text(), "$01"); // the fixed columns stay
    for (int row = 0; row < 10; ++row)
        EXPECT_TRUE(showsMark(renderedCell(grid, row, 0), QPoint(1, 2), "BMP_OK")) << row;
    // Numbers stand at the right of their cells.
    const QImage value = renderedCell(grid, 1, 3);
    EXPECT_GT(firstInkColumn(value, qRgb(0xF9, 0xF9, 0xF9)), value.width() / 3);

    run.find<QComboBox>("cbO2SensLoc")->setCurrentIndex(1);
    EXPECT_EQ(grid->item(4, 3)->text(), "0.100"); // the choice counts from the next "OK"
    run.click("dxButton11");
    EXPECT_EQ(grid->item(4, 3)->text(), "0.108");
}

// A CAN vehicle has no service 05: OK asks nothing, says why, and leaves the rows without values
// and without marks instead of ten red rows.
TEST(O2SensorPage, CanVehicleIsToldToHaveItsTestsInServiceSix) {
    ProgramRun run;
    PtyElm::Config config = ProgramRun::fullVehicle();
    config.elm327 = true;
    run.connectElmsim(config);
    ASSERT_FALSE(run.context.connection.noCommunication());
    run.showPage("btnO2Sensor");
    QTableWidget* grid = run.grid("gridO2");
    const int requests = run.elm->requestCount();
    run.click("dxButton11");
    EXPECT_EQ(run.elm->requestCount(), requests);
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.contains("service 06"));
    EXPECT_EQ(columnTexts(grid, 0), QStringList(10, QString()));
    EXPECT_EQ(columnTexts(grid, 3), QStringList(10, QString()));
    for (int row = 0; row < 10; ++row) {
        const QImage cell = renderedCell(grid, row, 0);
        EXPECT_FALSE(showsMark(cell, QPoint(1, 2), "BMP_ERROR")) << row;
        EXPECT_FALSE(showsMark(cell, QPoint(1, 2), "BMP_OK")) << row;
    }
    EXPECT_EQ(grid->item(0, 1)->text(), "$01");
}

TEST(O2SensorPage, OkWithoutConnectionShowsOnlyTheGuardMessage) {
    ProgramRun run;
    run.window->o2SensorPage()->showO2SensorLocations({{"O2 location 1-1", 1}});
    ErrorBoxes boxes; // a device error instead of the guard would show here
    run.click("dxButton11");
    EXPECT_TRUE(boxes.texts.isEmpty());
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith(const_str::NoCommunicationLine1));
    EXPECT_EQ(columnTexts(run.grid("gridO2"), 0), QStringList(10, "0"));
}

TEST(O2SensorPage, OkWithoutAnySensorAsksNothing) {
    ProgramRun run;
    run.connectElmsim();
    run.window->o2SensorPage()->showO2SensorLocations({});
    const int requests = run.elm->requestCount();
    run.click("dxButton11");
    EXPECT_EQ(run.elm->requestCount(), requests);
    EXPECT_EQ(columnTexts(run.grid("gridO2"), 0), QStringList(10, "0"));
}

TEST(O2SensorPage, DescriptionColumnTakesTheFreeWidth) {
    ProgramRun run;
    run.showPage("btnO2Sensor");
    QWidget* panel = run.find<QWidget>("gridO2_Panel");
    QTableWidget* grid = run.grid("gridO2");
    for (int width : {700, 1000}) {
        run.window->resize(width, 612);
        QApplication::processEvents();
        int others = 11;
        for (int column : {0, 1, 3, 4, 5, 6})
            others += grid->columnWidth(column);
        // The free width, or more where a description needs it (the grid then scrolls).
        EXPECT_GE(grid->columnWidth(2), panel->width() - others);
        if (width == 1000) {
            EXPECT_EQ(grid->columnWidth(2), panel->width() - others);
        }
        for (const QString& text : columnTexts(grid, 2))
            EXPECT_LE(grid->fontMetrics().horizontalAdvance(text) + 2, grid->columnWidth(2));
        // The test numbers are read in full: the column is at least as wide as they need.
        EXPECT_GE(grid->columnWidth(1), 24);
        EXPECT_GE(grid->columnWidth(1), grid->fontMetrics().horizontalAdvance("$0A") + 4);
    }
}

TEST(O2SensorPage, GermanRunTranslatesGridAndDiagramCaptions) {
    ProgramRun run(QStringLiteral("de"));
    auto* graph = run.find<O2SensorGraph>("QzO2SensorGraph1");
    EXPECT_EQ(graph->captionRich(), "Fett");
    EXPECT_EQ(graph->captionLean(), "Mager");
    EXPECT_EQ(graph->divisions(), 98);
    EXPECT_EQ(run.grid("gridO2")->horizontalHeaderItem(3)->text(), "Wert");
}

} // namespace
