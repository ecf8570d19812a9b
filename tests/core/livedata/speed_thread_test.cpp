// The acceleration test's worker: its display changes reach the starting thread in order and
// while the worker waits, a stop ends it at once, and what it throws comes back to that thread.

#include "core/j1979/hex_conversions.h"
#include "core/link/elm_exchange.h"
#include "core/livedata/acceleration_test.h"
#include "core/livedata/speed_thread.h"
#include "tests/core/j1979/locale_guard.h"
#include "tests/core/j1979/scripted_link.h"
#include "tests/support/direct_signal.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct Worker {
    AccelerationTest test{[] { return false; }};
    SpeedThread thread;
    QStringList events;
    int terminations = 0;
    std::exception_ptr error;

    explicit Worker(CommandLink& link) : thread(test, link) {
        onSignal(&thread, &SpeedThread::testStarted, [this] { events << "begin"; });
        onSignal(&thread, &SpeedThread::startValuesDue,
                 [this] { events << test.startValues().speed; });
        onSignal(&thread, &SpeedThread::runningStarted, [this] { events << "running"; });
        onSignal(&thread, &SpeedThread::sampleReady,
                 [this] { events << test.synchronise().speed; });
        onSignal(&thread, &SpeedThread::testFinished, [this](std::exception_ptr e) {
            ++terminations;
            error = e;
            events << "end";
        });
    }
    void runUntilEnded() {
        while (thread.isWorking())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

TEST(SpeedThread, HandsEverySampleAboveZeroOverAndEndsAtTheTarget) {
    LocaleGuard locale(englishLocale());
    ScriptedLink link;
    link.answerInTurn("010D", {"410D00", "410D00", "410D0C", "410D2F", "410D58", "410D68"});
    Worker worker(link);
    worker.test.arm();
    ASSERT_TRUE(worker.thread.startTest());
    EXPECT_FALSE(worker.thread.startTest()); // one run at a time
    worker.runUntilEnded();

    EXPECT_EQ(worker.events, (QStringList{"begin", "0 km/h", "running", "12 km/h", "47 km/h",
                                          "88 km/h", "104 km/h", "end"}));
    EXPECT_EQ(worker.terminations, 1);
    EXPECT_FALSE(worker.error);
    EXPECT_TRUE(worker.test.result());
    // Ended by itself as "Stop" would have ended it; a new start re-arms with a fresh counter.
    EXPECT_TRUE(worker.thread.stopRequested());
    link.answer("010D", "410D00");
    worker.events.clear();
    ASSERT_TRUE(worker.thread.startTest());
    worker.thread.stopAndWait();
    EXPECT_EQ(worker.terminations, 2);
    EXPECT_EQ(worker.test.outcome(), AccelerationTest::Outcome::Stopped);
}

TEST(SpeedThread, StopEndsTheExchangeInProgressAndTheWorker) {
    // An interface that never answers: only the stop can end the request.
    ElmExchange link;
    link.setDemoMode(true);
    link.setDemoDelay(60 * 1000);
    {
        Worker worker(link);
        ASSERT_TRUE(worker.thread.startTest());
        worker.thread.stopAndWait();
        EXPECT_EQ(worker.terminations, 1);
        EXPECT_FALSE(worker.error);
        EXPECT_FALSE(worker.test.result());
    }
    // A worker destroyed while it runs is stopped and waited for first.
    Worker worker(link);
    ASSERT_TRUE(worker.thread.startTest());
}

TEST(SpeedThread, WhatTheWorkerThrowsReachesTheStartingThread) {
    ScriptedLink link;
    link.answerInTurn("010D", {"410D00", "410DZZ"});
    Worker worker(link);
    ASSERT_TRUE(worker.thread.startTest());
    worker.runUntilEnded();
    ASSERT_TRUE(worker.error);
    EXPECT_THROW(std::rethrow_exception(worker.error), HexConversionError);
    EXPECT_EQ(worker.events.last(), "end");
}

} // namespace
