// The monitor tests page: the monitors "Read" finds, the tests of the chosen one with their
// verdict marks, the summary over all tests and the misfire bars, on CAN and the older form.

#include "core/l10n/const_str.h"
#include "tests/support/grid_pixels.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/monitor_tests_page.h"
#include "ui/widgets/misfire_chart.h"

#include <QListWidget>

namespace {

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList rowTexts(const QTableWidget* grid, int row) {
    QStringList texts;
    for (int column = 1; column < grid->columnCount(); ++column)
        texts << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
}

void choose(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found[0]);
}

TEST(MonitorTestsPage, CanVehicleShowsFailedCatalystAndMisfiresOfCylinderThree) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    ProgramRun run;
    PtyElm::Config config = ProgramRun::fullVehicle();
    config.elm327 = true;
    run.connectElmsim(config);
    ASSERT_FALSE(run.context.connection.noCommunication());
    run.showPage("btnMonitorTests");
    EXPECT_EQ(run.currentPage(), "MonitorTestsPage");
    run.click("btnMonitorTestsRead");

    auto* list = run.find<QListWidget>("MonitorList");
    const QStringList monitors = entries(list);
    for (const char* name : {"Catalyst monitor bank 1", "EGR monitor bank 1",
                             "Misfire monitor general data", "Misfire cylinder 3 data"})
        EXPECT_TRUE(monitors.contains(name)) << name;
    EXPECT_EQ(run.text("labMonitorSummary"), "1 of 20 tests outside their limits");
    // The report takes the section from the page.
    EXPECT_EQ(run.context.shown.monitorTests.state, ReadState::Read);
    EXPECT_EQ(run.context.shown.monitorTests.rows.size(), 20);

    QTableWidget* grid = run.grid("MonitorTestGrid");
    choose(list, "Catalyst monitor bank 1");
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(rowTexts(grid, 0), QStringList({"TID 80", "340", "0", "256", "", "outside limits"}));
    EXPECT_TRUE(showsMark(renderedCell(grid, 0, 0), QPoint(1, 2), "BMP_ERROR"));
    choose(list, "EGR monitor bank 1");
    EXPECT_TRUE(showsMark(renderedCell(grid, 0, 0), QPoint(1, 2), "BMP_OK"));

    QList<MisfireChart::Cylinder> bars = run.find<MisfireChart>("MisfireChart")->cylinders();
    ASSERT_EQ(bars.size(), 4);
    for (const MisfireChart::Cylinder& bar : bars) {
        const bool misfiring = bar.number == 3;
        EXPECT_EQ(bar.current, misfiring ? 5 : 0) << bar.number;
        EXPECT_EQ(bar.average, misfiring ? 2 : 0) << bar.number;
    }

    // What was read belongs to that vehicle.
    run.click("btnDisconnect");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(run.context.shown.monitorTests.state, ReadState::NotYetRead);
    EXPECT_EQ(run.text("labMonitorSummary"), "");
    EXPECT_TRUE(run.find<MisfireChart>("MisfireChart")->cylinders().isEmpty());
}

// The older protocols name components, not monitors, and send their values unscaled with one
// limit each; the manufacturer's catalyst test is past its maximum.
TEST(MonitorTestsPage, OlderProtocolsShowComponentsWithRawValuesAndOneLimit) {
    ProgramRun run;
    run.connectElmsim();
    ASSERT_FALSE(run.context.connection.noCommunication());
    run.showPage("btnMonitorTests");
    run.click("btnMonitorTestsRead");
    auto* list = run.find<QListWidget>("MonitorList");
    EXPECT_EQ(entries(list), QStringList({"Component 01", "Component 02"}));
    EXPECT_EQ(run.text("labMonitorSummary"), "1 of 4 tests outside their limits");
    QTableWidget* grid = run.grid("MonitorTestGrid");
    EXPECT_EQ(list->currentRow(), 0);
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(rowTexts(grid, 1), QStringList({"Rich to lean sensor switch time", "32", "16", "",
                                              "raw", "within limits"}));
    EXPECT_EQ(rowTexts(grid, 2),
              QStringList({"TID 81", "320", "", "256", "raw", "outside limits"}));
    EXPECT_TRUE(showsMark(renderedCell(grid, 2, 0), QPoint(1, 2), "BMP_ERROR"));
    EXPECT_TRUE(run.find<MisfireChart>("MisfireChart")->cylinders().isEmpty());
}

TEST(MonitorTestsPage, ReadWithoutConnectionShowsOnlyTheGuardMessage) {
    ProgramRun run;
    run.showPage("btnMonitorTests");
    run.click("btnMonitorTestsRead");
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith(const_str::NoCommunicationLine1));
    EXPECT_EQ(run.find<QListWidget>("MonitorList")->count(), 0);
    EXPECT_EQ(run.text("labMonitorSummary"), "");
}

} // namespace
