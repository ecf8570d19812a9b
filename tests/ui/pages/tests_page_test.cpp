// The acceleration test on the tests page: its displays before, during and after a run against
// the emulator's driving vehicle on a pseudo-terminal; the refusals at the start; and the stop of
// a running test by the navigation bar and by closing the window.

#include "core/l10n/const_str.h"
#include "core/livedata/acceleration_test.h"
#include "core/livedata/speed_thread.h"
#include "tests/support/direct_signal.h"
#include "tests/support/error_boxes.h"
#include "tests/support/program_run.h"
#include "tests/support/scripted_channel.h"
#include "tools/elmsim/drive_profile.h"
#include "ui/pages/tests_page.h"
#include "ui/widgets/dot_matrix_display.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

struct TestsRun : ProgramRun {
    DefaultLocale locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    TestsPage* page = window->testsPage();
    DotMatrixDisplay* main = find<DotMatrixDisplay>("lcdAccMain");
    DotMatrixDisplay* speed = find<DotMatrixDisplay>("lcdAccSpeed");
    DotMatrixDisplay* seconds = find<DotMatrixDisplay>("lcdSec");
    // lcdAccMain as the worker's start, its change to running and its end left it.
    QStringList mainTexts;
    QList<QColor> mainColours;

    TestsRun() {
        SpeedThread& thread = page->speedThread();
        auto record = [this] {
            mainTexts << main->text();
            mainColours << main->foreground();
        };
        // Connected after the page's own receivers: they run first.
        onSignal(&thread, &SpeedThread::testStarted, record);
        onSignal(&thread, &SpeedThread::runningStarted, record);
        onSignal(&thread, &SpeedThread::testFinished, record);
    }
    bool running() { return page->speedThread().isWorking(); }
    void waitUntilEnded() {
        while (running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // An interface that answers every request with the same text.
    void connectAnswering(ScriptedChannel& channel, const QByteArray& answer) {
        for (int i = 0; i < 4; ++i)
            channel.reply({answer + "\r\r>"});
        context.link.setChannel(&channel);
        context.connection.setConnected(true);
    }
};

TEST(TestsPage, ShowsReadyWithTheStartValuesOfTheUnitSystem) {
    TestsRun run;
    run.showPage("btnTests");
    QTabWidget* tabs = run.find<QTabWidget>("nbTests");
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->widget(0)->objectName(), "tsAcceleration");
    EXPECT_EQ(tabs->tabText(0), "Acceleration");
    EXPECT_EQ(run.main->text(), "READY   ");
    EXPECT_EQ(run.main->foreground(), kYellow);
    EXPECT_TRUE(run.main->thickSegments());
    EXPECT_EQ(run.speed->text(), "0 km/h");
    EXPECT_EQ(run.seconds->text(), "0.00 Sec.");
    EXPECT_TRUE(run.find<QPushButton>("btnAccTestStar")->isEnabled());
    EXPECT_FALSE(run.find<QPushButton>("btnAccTestStop")->isEnabled());
    EXPECT_NE(run.find<QWidget>("panTestDisplay"), nullptr);

    // The English unit system, chosen before the window is made, starts with mph.
    run.context.unitSystem = UnitSystem::English;
    run.page->showStartValues();
    EXPECT_EQ(run.speed->text(), "0 mph");
}

// The check of the feature as a user runs it: connect to the driving vehicle, Start, and the
// displays run through START, RUN and STOP and end near the curve's time to 100 km/h.
TEST(TestsPage, FullRunAgainstTheDrivingVehicleOfTheEmulator) {
    TestsRun run;
    PtyElm::Config config;
    config.profile = QStringLiteral("drive");
    config.drive.accelSeconds = 1.5;
    config.drive.standingRequests = 5;
    // Paced like a vehicle, so that the run is the same on a fast or a loaded machine.
    config.latencyMs = 5;
    run.connectElmsim(config);
    ASSERT_FALSE(run.context.connection.noCommunication());
    // A loaded machine may answer late; only a silent interface should end this run.
    run.context.link.setSilenceTimeout(2500);
    run.showPage("btnTests");

    run.click("btnAccTestStar");
    EXPECT_FALSE(run.find<QPushButton>("btnAccTestStar")->isEnabled());
    EXPECT_TRUE(run.find<QPushButton>("btnAccTestStop")->isEnabled());
    run.waitUntilEnded();

    EXPECT_TRUE(run.notifier.messages.isEmpty()) << run.notifier.texts().join('\n').toStdString();
    EXPECT_EQ(run.mainTexts, (QStringList{"START   ", "RUN    ", "STOP    "}));
    EXPECT_EQ(run.mainColours, (QList<QColor>{kYellow, kGreen, kRed}));
    EXPECT_EQ(run.speed->text(), "100 km/h");
    // A time was measured; how close it comes to the curve is bench_acceleration's to measure.
    bool isNumber = false;
    const double measured = run.seconds->text().section(' ', 0, 0).toDouble(&isNumber);
    EXPECT_TRUE(isNumber && measured > 0) << run.seconds->text().toStdString();
    EXPECT_EQ(run.find<QLabel>("labAccEndReason")->text(), "");
    EXPECT_TRUE(run.find<QPushButton>("btnAccTestStar")->isEnabled());
    EXPECT_FALSE(run.find<QPushButton>("btnAccTestStop")->isEnabled());
}

TEST(TestsPage, ARunEndedShortOfTheTargetSaysWhyAndShowsNoTime) {
    TestsRun run;
    run.showPage("btnTests");
    ScriptedChannel channel;
    // Standing at the start check, then moving, then the speed is no longer readable.
    for (const QByteArray answer : {"41 0D 00", "41 0D 00", "41 0D 0C", "NO DATA"})
        channel.reply({answer + "\r\r>"});
    run.context.link.setChannel(&channel);
    run.context.connection.setConnected(true);
    run.click("btnAccTestStar");
    run.waitUntilEnded();

    EXPECT_EQ(run.mainTexts, (QStringList{"START   ", "RUN    ", "STOP    "}));
    EXPECT_EQ(run.speed->text(), "12 km/h");
    EXPECT_EQ(run.seconds->text(), "--.-- Sec.");
    EXPECT_EQ(run.find<QLabel>("labAccEndReason")->text(),
              "Vehicle speed not readable (\"Error\")");
    run.context.link.setChannel(run.context.comPort.get());
}

TEST(TestsPage, APulledAdapterEndsTheRunAndThePageSaysSo) {
    TestsRun run;
    ErrorBoxes boxes;
    PtyElm::Config config;
    config.profile = QStringLiteral("drive");
    config.drive.standingRequests = 1'000'000; // the driver waits at standstill
    config.latencyMs = 5;
    run.connectElmsim(config);
    ASSERT_FALSE(run.context.connection.noCommunication());
    run.showPage("btnTests");
    run.click("btnAccTestStar");
    ASSERT_TRUE(run.running());

    run.elm->closeMaster();
    run.waitUntilEnded();
    EXPECT_EQ(run.main->text(), "STOP    ");
    EXPECT_EQ(run.seconds->text(), "--.-- Sec.");
    EXPECT_EQ(run.find<QLabel>("labAccEndReason")->text(), const_str::InterfaceLost);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 10000));
}

TEST(TestsPage, StartRefusesAMovingVehicleAnUnreadableSpeedAndNoConnection) {
    TestsRun run;
    run.showPage("btnTests");
    run.click("btnAccTestStar");
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith(const_str::NoCommunicationLine1));

    ScriptedChannel rolling;
    run.connectAnswering(rolling, "41 0D 03");
    run.click("btnAccTestStar");
    ASSERT_EQ(run.notifier.messages.size(), 2);
    EXPECT_EQ(run.notifier.messages[1].text, "Speed is > 0");

    ScriptedChannel silent;
    run.connectAnswering(silent, "NO DATA");
    run.click("btnAccTestStar");
    ASSERT_EQ(run.notifier.messages.size(), 3);
    EXPECT_EQ(run.notifier.messages[2].text,
              "The vehicle speed could not be read (\"Error\"), so the test was not started");

    // Nothing started any time.
    EXPECT_FALSE(run.running());
    EXPECT_EQ(run.main->text(), "READY   ");
    EXPECT_TRUE(run.mainTexts.isEmpty());
    run.context.link.setChannel(run.context.comPort.get());
}

TEST(TestsPage, NavigationAndClosingStopARunningTestFirst) {
    TestsRun run;
    run.connectDemo();
    // The simulated vehicle stands: the test would run until its sample limit.
    run.context.link.setDemoDelay(5);
    run.showPage("btnTests");
    run.click("btnAccTestStar");
    ASSERT_TRUE(run.running());
    run.click("btnFehlercodes");
    EXPECT_FALSE(run.running());
    EXPECT_EQ(run.main->text(), "STOP    ");
    EXPECT_EQ(run.speed->text(), "0 km/h");
    EXPECT_EQ(run.seconds->text(), "0.00 Sec.");

    run.click("btnTests");
    run.click("btnAccTestStar");
    ASSERT_TRUE(run.running());
    run.click("btnAccTestStop");
    run.waitUntilEnded();
    EXPECT_EQ(run.mainTexts.last(), "STOP    ");

    run.click("btnAccTestStar");
    ASSERT_TRUE(run.running());
    run.window->close();
    EXPECT_FALSE(run.running());
}

} // namespace
