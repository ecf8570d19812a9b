#pragma once

#include "core/livedata/hand_off_thread.h"

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>

class SensorPolling;

// The live-data polling worker: a thread at the highest priority that runs cycles back to back
// until a stop is requested, and after each cycle hands its results to the thread that started it
// and waits until they are shown. A stop request also ends the exchange in progress; the cycle in
// which it came is not handed over. Whatever the worker throws ends polling and is handed to
// onPollingFinished. Started, stopped and destroyed on the starting (ui) thread only.
class SensorThread : public HandOffThread {
    Q_OBJECT
public:
    SensorThread(SensorPolling& polling, const std::atomic<int>& activeTab,
                 QObject* parent = nullptr);
    ~SensorThread() override;

    // Run on the starting thread: just before the worker begins; after each cycle, while the
    // worker waits (not after a stop request); after the worker has ended, with what ended it
    // (null after a stop). The hand-off must not throw.
    std::function<void()> onPollingStarted;
    std::function<void()> onCycleReady;
    std::function<void(std::exception_ptr error)> onPollingFinished;

    // Starts the worker unless it runs; true when it was started.
    bool startPolling();
    // From startPolling until onPollingFinished has run.
    bool isPolling() const { return isWorking(); }
    // Requests the stop, then handles the starting thread's events (the hand-off among them)
    // until the worker has ended and onPollingFinished has run.
    void stopPollingAndWait() { stopAndWait(); }

    // Cycles handed over and shown, since this object was made (for tests and benchmarks).
    long long handOffs() const { return m_handOffs; }

private:
    void execute() override;
    void workerStarting() override;
    void workerEnded(std::exception_ptr error) override;
    void showCycle();

    SensorPolling& m_cycles;
    const std::atomic<int>& m_activeTab;
    // Held by the worker while a cycle writes and by the starting thread while it shows the
    // cycle; the hand-off protocol already keeps them apart, the lock makes it explicit.
    std::mutex m_cycleMutex;
    const std::function<void()> m_showCycle = [this] { showCycle(); };
    long long m_handOffs = 0;
};
