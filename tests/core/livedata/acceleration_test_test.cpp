// The acceleration test's loop, start check and result, with a clock that moves only when the
// vehicle answers, so every reading is known exactly; and the same loop against the driving
// vehicle of the emulator.

#include "core/l10n/const_str.h"
#include "core/link/serial_port_error.h"
#include "core/link/stop_signal.h"
#include "core/livedata/acceleration_test.h"
#include "tests/core/j1979/locale_guard.h"
#include "tests/core/j1979/scripted_link.h"
#include "tests/support/direct_signal.h"
#include "tools/elmsim/drive_profile.h"
#include "tools/elmsim/vehicle_profile.h"

#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A vehicle whose every answer takes the same time on a fake clock.
struct TimedLink : ScriptedLink {
    Clock::time_point now{};
    Clock::duration exchangeTime = 100ms;
    // Raised when the given sample has been answered, as "Stop" would be.
    StopSignal* stopAtSample = nullptr;
    int stopSample = 0;

    LinkAnswer exchange(const QString& command) override {
        now += exchangeTime;
        LinkAnswer answer = ScriptedLink::exchange(command);
        if (stopAtSample != nullptr && sent().size() == stopSample)
            stopAtSample->request();
        return answer;
    }
    void speeds(std::initializer_list<int> kmh) {
        QList<LinkAnswer> answers;
        for (int v : kmh)
            answers << QStringLiteral("410D%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        answerInTurn(QStringLiteral("010D"), answers);
    }
};

// Runs the loop on this thread; the receivers of its signals are the ui's, run here in order.
struct TestRun {
    TimedLink link;
    bool english = false;
    AccelerationTest test{[this] { return english; }, [this] { return link.now; }};
    StopSignal stop;
    QStringList events;
    AccelerationTest::Shown shown;

    TestRun() {
        onSignal(&test, &AccelerationTest::startValuesDue, [this] {
            shown = test.startValues();
            events << "start";
        });
        onSignal(&test, &AccelerationTest::runningStarted, [this] { events << "running"; });
        onSignal(&test, &AccelerationTest::sampleReady, [this] {
            shown = test.synchronise();
            events << shown.speed;
        });
    }
    void execute() {
        test.arm();
        test.execute(link, stop);
    }
};

TEST(AccelerationTest, MetricRunIsTimedFromFirstMotionAndCorrectedToTheTarget) {
    LocaleGuard locale(germanLocale());
    TestRun run;
    run.link.speeds({0, 0, 12, 47, 88, 104});
    run.execute();

    EXPECT_EQ(run.test.targetSpeed(), 100);
    EXPECT_EQ(run.events,
              (QStringList{"start", "running", "12 km/h", "47 km/h", "88 km/h", "104 km/h"}));
    EXPECT_EQ(run.test.sampleCounter(), 6);
    EXPECT_EQ(run.test.outcome(), AccelerationTest::Outcome::TargetReached);
    // The stopwatch starts at the answer with 12 and is last read at the one with 104: three
    // answers later, 0.3 s.
    EXPECT_EQ(run.shown.time, "0,30 Sec.");
    const auto result = run.test.result();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->speed, "100 km/h");
    EXPECT_EQ(result->time, "0,29 Sec."); // 100 x 0.3 / 104
}

TEST(AccelerationTest, EndsWithoutCorrectionWhenTheLastSpeedIsExactlyTheTarget) {
    LocaleGuard locale(englishLocale());
    TestRun run;
    run.english = true;
    // 97 km/h are 60 mph as the decoder rounds them.
    run.link.speeds({0, 50, 97});
    run.execute();

    EXPECT_EQ(run.test.targetSpeed(), 60);
    EXPECT_EQ(run.test.outcome(), AccelerationTest::Outcome::TargetReached);
    EXPECT_FALSE(run.test.result()); // the last hand-off is the crossing itself
    EXPECT_EQ(run.shown.speed.trimmed(), "60 mph");
    EXPECT_EQ(run.shown.time, "0.10 Sec.");
}

TEST(AccelerationTest, AnyStandstillIsWaitedOutAndSixtySecondsOfMotionEndTheRun) {
    LocaleGuard locale(germanLocale());
    TestRun run;
    // A fast adapter and a driver who waits: 20,000 answers of standstill, then a crawl.
    QList<LinkAnswer> answers(20000, QStringLiteral("410D00"));
    answers << QStringLiteral("410D0A");
    run.link.answerInTurn(QStringLiteral("010D"), answers);
    run.link.exchangeTime = 100ms;
    run.execute();

    EXPECT_EQ(run.test.outcome(), AccelerationTest::Outcome::TimeLimit);
    // Timed from the first answer of 10: 600 answers later the limit is reached.
    EXPECT_EQ(run.test.sampleCounter(), 20000 + 1 + 600);
    EXPECT_EQ(run.test.stopwatchSeconds(), AccelerationTest::kTimeLimitSeconds);
    EXPECT_EQ(run.test.endReason(), "Target speed not reached within 60 s");
    EXPECT_FALSE(run.test.result());
}

TEST(AccelerationTest, StopOrAnUnreadableSpeedKeepsTheLastShownValuesAndGivesNoResult) {
    LocaleGuard locale(englishLocale());
    {
        // "Stop" while the fifth request is under way: its answer is not used.
        TestRun run;
        run.link.speeds({0, 12, 47, 88, 120});
        run.link.stopAtSample = &run.stop;
        run.link.stopSample = 5;
        run.execute();
        EXPECT_EQ(run.test.outcome(), AccelerationTest::Outcome::Stopped);
        EXPECT_EQ(run.test.endReason(), "Stopped before the target speed");
        EXPECT_EQ(run.shown.speed, "88 km/h");
        EXPECT_EQ(run.test.lastSpeedText(), "88");
        EXPECT_FALSE(run.test.result());
    }
    {
        TestRun run;
        run.link.answerInTurn("010D", {"410D00", "410D0C", "NO DATA", "410D78"});
        run.execute();
        EXPECT_EQ(run.test.outcome(), AccelerationTest::Outcome::SpeedUnreadable);
        EXPECT_EQ(run.test.endReason(), "Vehicle speed not readable (\"Error\")");
        EXPECT_EQ(run.link.sent().size(), 3); // ended at once
        EXPECT_EQ(run.shown.speed, "12 km/h");
        EXPECT_FALSE(run.test.result());
    }
}

TEST(AccelerationTest, ALostInterfaceEndsTheRunWithItsReasonAndItsError) {
    struct PulledLink : TimedLink {
        LinkAnswer exchange(const QString& command) override {
            if (sent().size() == 2)
                throw SerialPortError(QStringLiteral("disconnected"));
            return TimedLink::exchange(command);
        }
    };
    PulledLink link;
    link.speeds({0, 12});
    AccelerationTest test([] { return false; }, [&link] { return link.now; });
    StopSignal stop;
    EXPECT_THROW(test.execute(link, stop), SerialPortError);
    EXPECT_EQ(test.outcome(), AccelerationTest::Outcome::LinkLost);
    EXPECT_EQ(test.endReason(), "Connection to the interface lost");
    EXPECT_FALSE(test.result());
}

TEST(AccelerationTest, StartCheckAsksInKilometresAndNeedsAStandingVehicle) {
    TestRun run;
    run.english = true;
    run.link.answerInTurn("010D", {"410D00", "410D03", "NO DATA", "7F 01 12"});
    StandstillCheck check = run.test.checkStandstill(run.link);
    EXPECT_EQ(check.result, StandstillCheck::Standing);
    check = run.test.checkStandstill(run.link);
    EXPECT_EQ(check.result, StandstillCheck::Moving); // rolling at 3 km/h
    EXPECT_EQ(check.speedText, "3");                  // metric text, whatever the setting
    check = run.test.checkStandstill(run.link);
    EXPECT_EQ(check.result, StandstillCheck::NotANumber);
    EXPECT_EQ(check.speedText, const_str::Error);
    EXPECT_EQ(run.test.checkStandstill(run.link).result, StandstillCheck::NotANumber);
}

// The emulator's driving vehicle, asked through the same loop on the fake clock: the result is
// the curve's time to 100 km/h within one exchange time.
TEST(AccelerationTest, DrivingVehicleOfTheEmulatorGivesTheCurvesTime) {
    LocaleGuard locale(englishLocale());
    struct VehicleLink : TimedLink {
        std::unique_ptr<VehicleProfile> vehicle;
        LinkAnswer exchange(const QString& command) override {
            now += exchangeTime;
            return vehicle->answer(command).remove(QLatin1Char(' '));
        }
    };
    for (const double accelSeconds : {8.0, 2.0}) {
        TestRun run;
        VehicleLink link;
        link.exchangeTime = 40ms;
        DriveSettings settings;
        settings.accelSeconds = accelSeconds;
        settings.standingRequests = 5;
        link.vehicle =
            makeDrivingProfile(makeVehicleProfile("demo"), settings, [&link] { return link.now; });
        AccelerationTest test([] { return false; }, [&link] { return link.now; });
        test.arm();
        AccelerationTest::Shown shown;
        onSignal(&test, &AccelerationTest::sampleReady, [&] { shown = test.synchronise(); });
        test.execute(link, run.stop);

        // A last sample of exactly 100 is the crossing itself and needs no correction.
        const QString time = test.result() ? test.result()->time : shown.time;
        const double measured = time.section(' ', 0, 0).toDouble();
        EXPECT_EQ(test.outcome(), AccelerationTest::Outcome::TargetReached);
        EXPECT_NEAR(measured, secondsToReach(100, settings), 0.04 + 0.005) << accelSeconds;
    }
}

TEST(DriveProfile, StandsThenDrivesTheCurveThenStandsAgain) {
    Clock::time_point now{};
    DriveSettings settings;
    settings.standingRequests = 3;
    settings.accelSeconds = 2.0;
    auto vehicle = makeDrivingProfile(makeVehicleProfile("demo"), settings, [&now] { return now; });
    auto speed = [&] { return vehicle->answer("010D").section(' ', 2).toInt(nullptr, 16); };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(speed(), 0);
    EXPECT_EQ(speed(), 1); // the curve starts here, rolling
    now += 500ms;
    EXPECT_EQ(speed(), 65); // 130 x sqrt(0.5 / 2)
    now += 1500ms;
    EXPECT_EQ(speed(), 130);
    now += 2900ms;
    EXPECT_EQ(speed(), 130); // cruising
    now += 200ms;
    EXPECT_EQ(speed(), 0); // stopped: the next run stands again first
    EXPECT_EQ(speed(), 0);
    EXPECT_EQ(speed(), 0);
    EXPECT_EQ(speed(), 1);
    now += 500ms;
    EXPECT_EQ(speed(), 65);
    // Everything else is the vehicle it drives.
    EXPECT_EQ(vehicle->answer("0105"), "41 05 50");
    EXPECT_DOUBLE_EQ(secondsToReach(65, settings), 0.5);
}

TEST(DriveProfile, OptionsAndProfileNames) {
    DriveSettings settings;
    QString problem;
    QStringList args{"--accel-seconds",  "1.5", "--stand-requests", "7", "--accel-seconds", "0",
                     "--stand-requests", "x",   "--latency"};
    qsizetype i = 0;
    EXPECT_TRUE(driveOption(args, i, settings, problem));
    EXPECT_EQ(i, 1);
    EXPECT_TRUE(problem.isEmpty());
    EXPECT_TRUE(settings.enabled);
    EXPECT_DOUBLE_EQ(settings.accelSeconds, 1.5);
    EXPECT_TRUE(driveOption(args, ++i, settings, problem));
    EXPECT_EQ(settings.standingRequests, 7);
    EXPECT_TRUE(driveOption(args, ++i, settings, problem));
    EXPECT_FALSE(problem.isEmpty());
    problem.clear();
    EXPECT_TRUE(driveOption(args, ++i, settings, problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(driveOption(args, ++i, settings, problem));

    EXPECT_NE(makeVehicleProfile("drive", DriveSettings{}), nullptr);
    EXPECT_EQ(makeVehicleProfile("nonsense", DriveSettings{}), nullptr);
    // The full vehicle drives only when asked to.
    DriveSettings driving;
    driving.enabled = true;
    driving.standingRequests = 0;
    EXPECT_EQ(makeVehicleProfile("full", driving)->answer("010D"), "41 0D 01");
    EXPECT_EQ(makeVehicleProfile("full", DriveSettings{})->answer("010D"), "41 0D 00\r41 0D 00");
}

} // namespace
