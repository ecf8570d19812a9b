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
// pollingFinished. Started, stopped and destroyed on the starting (ui) thread only.
class SensorThread : public HandOffThread {
    Q_OBJECT
public:
    SensorThread(SensorPolling& polling, const std::atomic<int>& activeTab,
                 QObject* parent = nullptr);
    ~SensorThread() override;

    // Starts the worker unless it runs; true when it was started.
    bool startPolling();
    // From startPolling until pollingFinished has been handled.
    bool isPolling() const { return isWorking(); }
    // Requests the stop, then handles the starting thread's events (the hand-off among them)
    // until the worker has ended and pollingFinished has been handled.
    void stopPollingAndWait() { stopAndWait(); }

    // Cycles handed over and shown, since this object was made (for tests and benchmarks).
    long long handOffs() const { return m_handOffs; }

Q_SIGNALS:
    // Emitted on the starting thread and handled there before the emit returns: connect with
    // Qt::DirectConnection. Just before the worker begins; after each cycle, while the worker
    // waits (not after a stop request); after the worker has ended, with what ended it (null
    // after a stop). A receiver of cycleReady must not throw.
    void pollingStarted();
    void cycleReady();
    void pollingFinished(std::exception_ptr error);

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
