// The vehicle page after a real connection: every control unit by its own name, its calibrations
// and readiness, the engine's in-use ratios with their bars, and the unit beside each code.

#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/vehicle_page.h"

namespace {

int rowOf(const QTableWidget* grid, const QString& code) {
    return int(columnTexts(grid, 1).indexOf(code));
}

TEST(VehiclePage, TwoUnitCarThroughEachChipShowsBothUnitsAndEachCodesUnit) {
    for (bool elm327 : {false, true}) {
        SCOPED_TRACE(elm327 ? "ELM327" : "ELM323");
        ProgramRun run;
        PtyElm::Config config;
        config.profile = QStringLiteral("full");
        config.elm327 = elm327;
        run.connectElmsim(config);
        run.showPage(QStringLiteral("btnVehicle"));

        QTableWidget* units = run.grid(QStringLiteral("gridControlUnits"));
        EXPECT_EQ(columnTexts(units, 0),
                  elm327 ? QStringList({"7E8", "7E9"}) : QStringList({"10", "18"}));
        EXPECT_EQ(columnTexts(units, 1), QStringList({"ECM-EngineControl", "TCM-TransmissionCtl"}));
        EXPECT_EQ(columnTexts(units, 3), QStringList({"1G1JC5444R7252367", QString()}));
        EXPECT_EQ(units->item(1, 4)->text(), QStringLiteral("TCM7700A01"));
        EXPECT_EQ(units->item(1, 7)->text(), QStringLiteral("no readiness monitors"));

        QTableWidget* ratios = run.grid(QStringLiteral("gridInUseRatios"));
        ASSERT_EQ(ratios->rowCount(), 7);
        EXPECT_EQ(columnTexts(ratios, 0), QStringList(7, QStringLiteral("ECM-EngineControl")));
        EXPECT_EQ((QStringList{ratios->item(0, 1)->text(), ratios->item(0, 2)->text(),
                               ratios->item(0, 3)->text(), ratios->item(0, 4)->text()}),
                  QStringList({"Catalyst bank 1", "45", "120", "0.375"}));
        EXPECT_DOUBLE_EQ(ratios->item(0, 4)->data(Qt::UserRole).toDouble(), 0.375);
        // A monitor whose conditions never came has no ratio, and no bar standing for one.
        EXPECT_EQ(ratios->item(1, 4)->text(), QStringLiteral("N/A"));
        EXPECT_FALSE(ratios->item(1, 4)->data(Qt::UserRole).isValid());
        EXPECT_TRUE(run.text(QStringLiteral("lblVehicleNotes"))
                        .contains(QStringLiteral("ECM-EngineControl: general conditions met 120 "
                                                 "times, 540 ignition cycles")));

        QTableWidget* stored = run.grid(QStringLiteral("DTC_Grid"));
        ASSERT_GE(rowOf(stored, "P0700"), 0);
        EXPECT_EQ(stored->item(rowOf(stored, "P0700"), 3)->text(), "TCM-TransmissionCtl");
        EXPECT_EQ(stored->item(rowOf(stored, "P0133"), 3)->text(), "ECM-EngineControl");
        EXPECT_EQ(columnTexts(run.grid(QStringLiteral("DTC_Grid_Permanent")), 1),
                  QStringList({"P0133"}));

        run.click(QStringLiteral("btnDisconnect"));
        EXPECT_EQ(columnTexts(units, 0), QStringList({QString()}));
        EXPECT_EQ(run.text(QStringLiteral("lblVehicleNotes")),
                  QStringLiteral("No control unit has been read yet."));
    }
}

} // namespace
