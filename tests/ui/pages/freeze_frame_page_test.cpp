// The freeze-frame page: the code that stored frame 0 with its description, one value row per
// stored live parameter in PID order, and the look of the value grid.

#include "core/connection/program_context.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/const_str.h"
#include "core/link/serial_channel.h"
#include "tests/support/answering_channel.h"
#include "tests/support/error_boxes.h"
#include "tests/support/grid_pixels.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/freeze_frame_page.h"

#include <QComboBox>
#include <QHash>
#include <functional>

namespace {

TEST(FreezeFramePage, DemoVehicleShowsTheFrameOfItsFirstStoredCode) {
    ProgramRun run;
    run.connectDemo();
    run.showPage("btnFreezeFrames");
    QTableWidget* code = run.grid("DTC_Grid_FF");
    EXPECT_EQ(columnTexts(code, 1), QStringList({"P0125"}));
    EXPECT_EQ(columnTexts(code, 2),
              QStringList({"Insufficient Coolant Temperature for Closed Loop Fuel Control"}));
    EXPECT_EQ(run.grid("gridFreezeFrames")->rowCount(), 7);
    EXPECT_FALSE(run.find<QWidget>("FrameSelector")->isVisibleTo(run.window.get()));
}

TEST(FreezeFramePage, FullVehicleFrameInPidOrderWithUnitsOfTheSystem) {
    DefaultLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    ProgramRun run;
    run.connectElmsim();
    run.showPage("btnFreezeFrames");
    QTableWidget* code = run.grid("DTC_Grid_FF");
    EXPECT_EQ(columnTexts(code, 1), QStringList({"P0133"}));
    EXPECT_EQ(columnTexts(code, 2), QStringList({"O2 Sensor Slow Response (Bank 1 Sensor 1)"}));
    EXPECT_TRUE(showsMark(renderedCell(code, 0, 0), QPoint(2, 3), QStringLiteral("BMP_ERROR")));

    QTableWidget* values = run.grid("gridFreezeFrames");
    // PID 02, stored in the frame too, is the code itself and never a value row.
    EXPECT_EQ(columnTexts(values, 0),
              QStringList({"03", "04", "05", "06", "07", "0C", "0D", "11"}));
    EXPECT_EQ(columnTexts(values, 1)[2], "Engine Coolant Temperature");
    EXPECT_EQ(columnTexts(values, 2),
              QStringList({"closed loop", "50.2", "83", "12.5", "-1.6", " 1726", "50", "20.0"}));
    // English has no "U/min": engine speed is in rpm in either unit system.
    EXPECT_EQ(columnTexts(values, 3), QStringList({"", "%", "°C", "%", "%", "rpm", "km/h", "%"}));
    EXPECT_EQ(values->horizontalHeaderItem(0)->text(), "PID");
    EXPECT_EQ(values->horizontalHeaderItem(1)->text(), "Sensor");
    EXPECT_EQ(values->horizontalHeaderItem(2)->text(), "Value");

    // A changed unit system shows from the next reading on.
    run.context.unitSystem = UnitSystem::English;
    EXPECT_EQ(values->item(2, 2)->text(), "83");
    run.click("btnFreezeFramesRead");
    EXPECT_EQ(values->item(2, 2)->text(), "181");
    EXPECT_EQ(columnTexts(values, 3), QStringList({"", "%", "°F", "%", "%", "rpm", "mph", "%"}));
}

TEST(FreezeFramePage, ParametersWithoutLiveValueAreNeverListed) {
    ProgramRun run;
    // Every PID of the three blocks is stored in the frame, caused by a maker's own code; the
    // rest is "NO DATA".
    const QHash<QByteArray, QByteArray> answers = {{"020000", "42 00 00 FF FF FF FF"},
                                                   {"022000", "42 20 00 FF FF FF FF"},
                                                   {"024000", "42 40 00 FF FF FF FE"},
                                                   {"020200", "42 02 00 11 07"}};
    AnsweringChannel channel;
    channel.answer = [&answers](const QByteArray& command) {
        return answers.value(command, "NO DATA");
    };
    run.context.link.setChannel(&channel);
    run.context.connection.setConnected(true);
    run.context.service02->readSupported(run.context.link);
    run.find<QComboBox>("cbManufacturer")->setCurrentText("Volkswagen");
    run.click("btnFreezeFramesRead");

    QTableWidget* values = run.grid("gridFreezeFrames");
    const QStringList pids = columnTexts(values, 0);
    for (const char* never : {"01", "02", "13", "1C", "20", "40", "4F", "5F"})
        EXPECT_FALSE(pids.contains(QLatin1String(never))) << never;
    QStringList sorted = pids;
    sorted.sort();
    EXPECT_EQ(pids, sorted);
    EXPECT_EQ(pids.first(), "03");
    // The 40 bitmap reaches 5F; 5F (emission requirements) is no live value.
    EXPECT_EQ(pids.last(), "5E");
    // A value the vehicle does not answer shows as the sentinel.
    EXPECT_EQ(values->item(0, 2)->text(), "Error");

    QTableWidget* code = run.grid("DTC_Grid_FF");
    EXPECT_EQ(code->item(0, 1)->text(), "P1107");
    EXPECT_EQ(code->item(0, 2)->text(),
              "O2 Sensor Heating Circuit (Bank 1 Sensor 2): Implausible Signal");
    // The maker chosen on the trouble-code page describes the code again at once.
    run.find<QComboBox>("cbManufacturer")->setCurrentText("Ford");
    EXPECT_EQ(code->item(0, 2)->text(), "Dual alternator lower circuit malfunction");
    run.context.link.setChannel(run.context.comPort.get());
    run.context.connection.setConnected(false);
}

TEST(FreezeFramePage, ReadWithoutConnectionShowsOnlyTheGuardMessage) {
    ProgramRun run;
    ErrorBoxes boxes; // a device error instead of the guard would show here
    run.click("btnFreezeFramesRead");
    EXPECT_TRUE(boxes.texts.isEmpty());
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith(const_str::NoCommunicationLine1));
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid_FF"), 1), QStringList({QString()}));
}

TEST(FreezeFramePage, ValueRowsAlternateAndValuesAreRightAligned) {
    ProgramRun run;
    run.connectElmsim();
    run.showPage("btnFreezeFrames");
    QTableWidget* values = run.grid("gridFreezeFrames");
    const QImage first = renderedCell(values, 0, 3);
    const QImage second = renderedCell(values, 1, 3);
    // Unit column of "closed loop" is empty: nothing but background.
    EXPECT_EQ(first.pixel(first.width() / 2, first.height() / 2) & 0xFFFFFF, 0xF0F0F0u);
    EXPECT_EQ(second.pixel(second.width() - 3, 1) & 0xFFFFFF, 0xF9F9F9u);

    const QImage value = renderedCell(values, 2, 2); // "83", an odd row
    const int ink = firstInkColumn(value, qRgb(0xF0, 0xF0, 0xF0));
    EXPECT_GT(ink, value.width() / 2);
    const QImage name = renderedCell(values, 2, 1);
    EXPECT_LT(firstInkColumn(name, qRgb(0xF0, 0xF0, 0xF0)), 6);
}

TEST(FreezeFramePage, NameAndDescriptionColumnsFollowTheWidth) {
    ProgramRun run;
    run.showPage("btnFreezeFrames");
    QWidget* client = run.find<QWidget>("Panel14");
    QTableWidget* code = run.grid("DTC_Grid_FF");
    QTableWidget* values = run.grid("gridFreezeFrames");
    for (int width : {700, 950}) {
        run.window->resize(width, 612);
        QApplication::processEvents();
        EXPECT_EQ(code->columnWidth(2), client->width() - 19 - 44 - 42);
        // The fixed columns keep their widths, or grow to their heading ("PID").
        EXPECT_GE(values->columnWidth(0), 21);
        EXPECT_EQ(values->columnWidth(2), 80);
        EXPECT_EQ(values->columnWidth(3), 64);
        EXPECT_EQ(values->columnWidth(1), client->width() - values->columnWidth(0) - 80 - 64 - 48);
    }
}

} // namespace
