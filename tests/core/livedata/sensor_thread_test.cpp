#include "core/j1979/sensor_catalogue.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_channel.h"
#include "core/link/serial_port_error.h"
#include "core/link/stop_signal.h"
#include "core/livedata/live_data.h"
#include "core/livedata/sensor_polling.h"
#include "core/livedata/sensor_thread.h"
#include "tests/core/j1979/scripted_link.h"
#include "tests/support/direct_signal.h"
#include "tests/support/qt_printers.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <poll.h>

namespace {

SupportedPidSet supportedSet(std::initializer_list<int> pids) {
    SupportedPidSet set{};
    for (int pid : pids)
        set[std::size_t(pid - 1)] = true;
    return set;
}

// The worker, the way the page runs it, with counters for what reached the starting thread.
struct Worker {
    LiveData data;
    SensorPolling polling;
    SensorThread thread{polling, data.activeTab};
    int starts = 0;
    int handOffs = 0;
    int terminations = 0;
    QStringList shown;
    std::exception_ptr error;

    explicit Worker(CommandLink& link) : polling(link, data, [] { return false; }) {
        onSignal(&thread, &SensorThread::pollingStarted, [this] {
            // Runs before the worker exists: nothing has been polled yet.
            EXPECT_FALSE(thread.isRunning());
            ++starts;
        });
        // Reads what the cycle wrote, as the table does: the thread checker sees to it that the
        // worker is not writing meanwhile.
        onSignal(&thread, &SensorThread::cycleReady, [this] {
            ++handOffs;
            shown.clear();
            for (const SensorListItem& item : data.lists.MonitoredSensors)
                shown << item.entry->valueText;
        });
        onSignal(&thread, &SensorThread::pollingFinished, [this](std::exception_ptr e) {
            ++terminations;
            error = e;
        });
    }
    void runUntilEnded() {
        while (thread.isPolling())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void runUntilHandOffs(int count) {
        while (thread.isPolling() && handOffs < count)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

TEST(SensorThread, PollsCycleAfterCycleAndHandsEachOneOver) {
    ElmExchange link;
    link.setDemoMode(true);
    link.setDemoDelay(0);
    Worker worker(link);
    buildSensorLists(worker.data.lists, buildPidCatalogue(), supportedSet({0x05, 0x0C}));
    ASSERT_TRUE(worker.thread.startPolling());
    EXPECT_FALSE(worker.thread.startPolling()); // one worker at a time
    worker.runUntilHandOffs(200);
    worker.thread.stopPollingAndWait();

    EXPECT_EQ(worker.starts, 1);
    EXPECT_GE(worker.handOffs, 200);
    EXPECT_EQ(worker.thread.handOffs(), worker.handOffs);
    EXPECT_EQ(worker.terminations, 1);
    EXPECT_FALSE(worker.error);
    EXPECT_EQ(worker.data.lists.MonitoredSensors[0].entry->valueText, "40");
    // The link is the ui thread's again, and no longer stopped.
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");

    // A second run on the same worker.
    ASSERT_TRUE(worker.thread.startPolling());
    worker.runUntilHandOffs(worker.handOffs + 10);
    worker.thread.stopPollingAndWait();
    EXPECT_EQ(worker.starts, 2);
    EXPECT_EQ(worker.terminations, 2);
}

TEST(SensorThread, StopDuringACycleSkipsItsHandOffAndLeavesTheOtherValues) {
    // The stop comes with the first request of the third cycle.
    struct StoppingLink : ScriptedLink {
        SensorThread* thread = nullptr;
        int calls = 0;
        LinkAnswer exchange(const QString& command) override {
            if (++calls == 5)
                thread->requestStop();
            return ScriptedLink::exchange(command);
        }
    } link;
    link.answerInTurn("0105", {"41050A", "410514", "41051E"});
    link.answerInTurn("010C", {"410C0010", "410C0020", "410C0030"});
    Worker worker(link);
    link.thread = &worker.thread;
    buildSensorLists(worker.data.lists, buildPidCatalogue(), supportedSet({0x05, 0x0C}));
    worker.thread.startPolling();
    worker.runUntilEnded();

    EXPECT_EQ(worker.handOffs, 2);
    EXPECT_EQ(worker.shown, (QStringList{"-20", "    8"})); // the second cycle, as shown
    EXPECT_EQ(link.sent().size(), 5);
    const SensorList& monitored = worker.data.lists.MonitoredSensors;
    EXPECT_EQ(monitored[0].entry->valueText, "-10");   // the request under way finished
    EXPECT_EQ(monitored[1].entry->valueText, "    8"); // the cycle before's value
    EXPECT_EQ(worker.terminations, 1);
    EXPECT_FALSE(worker.error);
}

// A line whose answers stop after a number of requests; after that only a stop ends a read, as
// with an adapter that has hung.
struct HangingChannel : SerialChannel {
    int answersLeft = 0;
    std::atomic<bool> hanging{false};
    QByteArray pending;

    bool isOpen() const override { return true; }
    void write(const QByteArray& bytes) override {
        pending = answersLeft-- > 0 ? "41 " + bytes.mid(2, 2) + " 7B\r>" : QByteArray();
    }
    bool waitForData(int) override { return !pending.isEmpty(); }
    WaitOutcome waitForDataOrStop(int, const StopSignal* stop) override {
        if (!pending.isEmpty())
            return WaitOutcome::Data;
        if (stop == nullptr)
            return WaitOutcome::Silence;
        hanging = true;
        pollfd pfd{stop->fd(), POLLIN, 0};
        ::poll(&pfd, 1, -1);
        return WaitOutcome::Stopped;
    }
    int receivedCount() override { return int(pending.size()); }
    QByteArray read(int count) override {
        const QByteArray out = pending.left(count);
        pending.remove(0, out.size());
        return out;
    }
    void purge() override { pending.clear(); }
};

TEST(SensorThread, StopEndsTheExchangeAWorkerIsStuckIn) {
    HangingChannel channel;
    channel.answersLeft = 4; // two cycles of two sensors
    ElmExchange link(&channel);
    link.setSilenceTimeout(3'600'000);
    Worker worker(link);
    buildSensorLists(worker.data.lists, buildPidCatalogue(), supportedSet({0x05, 0x0D}));
    worker.thread.startPolling();
    while (!channel.hanging)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    worker.thread.stopPollingAndWait(); // would wait an hour if the stop did not reach the read

    EXPECT_EQ(worker.handOffs, 2);
    const SensorList& monitored = worker.data.lists.MonitoredSensors;
    // The stopped request is no reading: both keep what the last whole cycle read.
    EXPECT_EQ(monitored[0].entry->valueText, "83");
    EXPECT_EQ(monitored[1].entry->valueText, "123");
    EXPECT_FALSE(worker.error);
}

TEST(SensorThread, GraphWithoutSensorsEndsAfterOneEmptyCycle) {
    ScriptedLink link;
    Worker worker(link);
    worker.data.activeTab = int(SensorTab::Graph);
    worker.thread.startPolling();
    worker.runUntilEnded();
    EXPECT_TRUE(link.sent().isEmpty());
    EXPECT_EQ(worker.handOffs, 0);
    EXPECT_EQ(worker.terminations, 1);
    EXPECT_FALSE(worker.error);
}

// A serial device that has gone away until it is plugged in again.
struct UnpluggedLink : ScriptedLink {
    bool unplugged = true;
    LinkAnswer exchange(const QString& command) override {
        if (unplugged)
            throw SerialPortError(QStringLiteral("device gone"));
        return ScriptedLink::exchange(command);
    }
};

TEST(SensorThread, WhatTheWorkerThrowsEndsPollingAndReachesTheStartingThread) {
    UnpluggedLink link;
    link.answer("010C", "410C0010");
    Worker worker(link);
    buildSensorLists(worker.data.lists, buildPidCatalogue(), supportedSet({0x0C}));
    worker.thread.startPolling();
    worker.runUntilEnded();
    EXPECT_EQ(worker.terminations, 1);
    ASSERT_TRUE(worker.error);
    EXPECT_THROW(std::rethrow_exception(worker.error), SerialPortError);
    // Polling can start again.
    link.unplugged = false;
    EXPECT_TRUE(worker.thread.startPolling());
    worker.runUntilHandOffs(3);
    worker.thread.stopPollingAndWait();
    EXPECT_FALSE(worker.error);
}

} // namespace
