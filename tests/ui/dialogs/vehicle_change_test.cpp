// A connection begins or ends: nothing the window showed of the vehicle before stays on its pages
// or in its report, so no vehicle is ever shown or reported with another's readings.

#include "core/livedata/graph_history.h"
#include "tests/support/error_boxes.h"
#include "tests/support/qt_printers.h"
#include "tests/ui/dialogs/report_run.h"
#include "tools/elmsim/vehicle_profile.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/widgets/analog_gauge.h"
#include "ui/widgets/dot_matrix_display.h"
#include "ui/widgets/segment_display.h"

#include <QRegularExpression>
#include <functional>

namespace {

// Every text of the vehicle on the pages, each with the name of the widget showing it.
QStringList vehicleTexts(const ReportRun& run) {
    QStringList texts;
    for (const QLabel* label : run.window->findChildren<QLabel*>(QRegularExpression("_[SC]$")))
        texts << label->objectName() + QLatin1Char('=') + label->text();
    for (const char* name : {"labMIL_Status", "DTCCountLabel", "edOBDType", "edVIN", "cbCIN",
                             "cbCVN", "cbO2SensLoc", "labCounter"}) {
        const auto* display = run.window->findChild<SegmentDisplay*>(name);
        texts << QLatin1String(name) + QLatin1Char('=') +
                     (display != nullptr ? display->text() : run.text(name));
    }
    for (const char* name : {"DTC_Grid", "DTC_Grid_P", "DTC_Grid_FF", "gridFreezeFrames", "gridO2",
                             "SensorDataGrid"}) {
        const QTableWidget* grid = run.grid(name);
        for (int column = 0; grid != nullptr && column < grid->columnCount(); ++column)
            texts << QLatin1String(name) + QLatin1Char('=') + columnTexts(grid, column).join('|');
    }
    for (const AnalogGauge* gauge : run.window->findChildren<AnalogGauge*>())
        texts << gauge->objectName() + QLatin1Char('=') + QString::number(gauge->value());
    for (const DotMatrixDisplay* display : run.window->findChildren<DotMatrixDisplay*>())
        texts << display->objectName() + QLatin1Char('=') + display->text();
    return texts;
}

struct VehicleEnd {
    const char* name;
    std::function<void(ReportRun&)> act;
};

const VehicleEnd kEnds[] = {
    {"FailedConnect",
     [](ReportRun& run) {
         run.elm->stop(); // the interface falls silent
         run.click("NeuInitialisierenBtn");
     }},
    {"Disconnect", [](ReportRun& run) { run.click("btnDisconnect"); }},
    {"LostLink",
     [](ReportRun& run) {
         const ErrorBoxes boxes;
         run.elm->closeMaster();
         run.click("TroubleCodesRead"); // the first exchange meets the pulled adapter
         EXPECT_TRUE(QTest::qWaitFor([&] { return !run.context.comPort->isOpen(); }, 10000));
     }},
};

class VehicleForgotten : public testing::TestWithParam<VehicleEnd> {};

TEST_P(VehicleForgotten, EveryPageAndTheReportAreBackToNotRead) {
    ReportRun run;
    const QStringList notRead = vehicleTexts(run);
    const ShownResults shownNotRead = run.context.shown;
    const QStringList reportNotRead = run.view();

    run.connectElmsim();
    ASSERT_FALSE(run.context.connection.noCommunication());
    run.click("dxButton11"); // the first oxygen sensor's tests
    SensorDataPage* live = run.window->sensorDataPage();
    live->onCycleReady(); // one table cycle, as the worker hands it over
    for (DashboardValues::Entry& entry : live->liveData().dashboard.entries)
        entry.valueText = QStringLiteral("42");
    live->dashboardHandOff();
    live->liveData().SeriesPid1 = 0x0C; // as the red series' selector sets it
    live->liveData().history.append({1.0, 2.0});
    ASSERT_NE(vehicleTexts(run), notRead);
    ASSERT_EQ(run.context.shown.o2Tests.state, ReadState::Read);

    GetParam().act(run);
    EXPECT_TRUE(run.context.connection.noCommunication());
    EXPECT_EQ(vehicleTexts(run), notRead);
    EXPECT_EQ(live->liveData().history.size(), 0);
    EXPECT_EQ(live->liveData().SeriesPid1, 0); // nothing polled that no selector shows
    EXPECT_TRUE(run.context.shown == shownNotRead);
    EXPECT_EQ(run.view(), reportNotRead);
}

INSTANTIATE_TEST_SUITE_P(, VehicleForgotten, testing::ValuesIn(kEnds),
                         [](const auto& info) { return std::string(info.param.name); });

// The demo vehicle without service 09: it gives no VIN.
class VehicleWithoutVin : public VehicleProfile {
public:
    QString answer(const QString& request) override {
        return request.startsWith("09") ? QString() : m_demo->answer(request);
    }

private:
    std::unique_ptr<VehicleProfile> m_demo = makeVehicleProfile("demo");
};

// The report's VIN field offers the VIN of the vehicle connected now and keeps a VIN the user
// typed; the second vehicle's report holds none of the first one's oxygen-sensor tests.
TEST(VehicleChange, ReportTakesTheVinAndTestsOfTheVehicleConnectedNow) {
    ReportRun run;
    const ShownO2Tests o2NotRead = run.context.shown.o2Tests;
    auto* vin = run.field<QLineEdit>("edRepVIN");
    run.connectElmsim();
    run.click("dxButton11");
    run.settings.show();
    EXPECT_EQ(vin->text(), "1G1JC5444R7252367");
    run.settings.hide();

    PtyElm::Config other;
    other.vehicle = [] { return std::make_unique<VehicleWithoutVin>(); };
    run.connectElmsim(other);
    ASSERT_FALSE(run.context.connection.noCommunication());
    EXPECT_EQ(run.context.shown.o2Tests.state, ReadState::NotYetRead);
    EXPECT_EQ(run.context.shown.o2Tests.rows, o2NotRead.rows);
    run.settings.show();
    EXPECT_EQ(run.context.shown.vin, "");
    EXPECT_EQ(vin->text(), "");
    run.settings.hide();

    vin->setText("typed by the user");
    run.click("btnDisconnect");
    run.settings.show();
    EXPECT_EQ(vin->text(), "typed by the user");
}

} // namespace
