#pragma once

#include "core/link/stop_signal.h"

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>

class QSocketNotifier;
class SensorPolling;

// The live-data polling worker: a thread at the highest priority that runs cycles back to back
// until a stop is requested, and after each cycle hands its results to the thread that started it
// and waits until they are shown. A stop request also ends the exchange in progress; the cycle in
// which it came is not handed over. Whatever the worker throws ends polling and is handed to
// SensorThreadTerminate. Started, stopped and destroyed on the starting (ui) thread only.
//
// The hand-off is the worker's own: it wakes the starting thread through an eventfd that a socket
// notifier there watches, and waits on a condition variable until the cycle has been shown. No
// data of a cycle passes through Qt's event queue, so every order between the two threads is one
// that the thread checker can see.
class SensorThread : public QThread {
    Q_OBJECT
public:
    SensorThread(SensorPolling& polling, const std::atomic<int>& activeTab,
                 QObject* parent = nullptr);
    ~SensorThread() override;

    // Run on the starting thread: just before the worker begins; after each cycle, while the
    // worker waits (not after a stop request); after the worker has ended, with what ended it
    // (null after a stop). The hand-off must not throw.
    std::function<void()> SensorThreadStart;
    std::function<void()> NotifyEvent1;
    std::function<void(std::exception_ptr error)> SensorThreadTerminate;

    // Starts the worker unless it runs; true when it was started.
    bool startPolling();
    // Asks the worker to stop and returns at once; any thread.
    void requestStop();
    bool stopRequested() const { return m_stop.requested(); }
    // From startPolling until SensorThreadTerminate has run.
    bool isPolling() const { return m_running; }
    // Requests the stop, then handles the starting thread's events (the hand-off among them)
    // until the worker has ended and SensorThreadTerminate has run.
    void StopPollingAndWait();

    // Cycles handed over and shown, since this object was made (for tests and benchmarks).
    long long handOffs() const { return m_handOffs; }

protected:
    void run() override;

private:
    void SensorThreadExecute();
    void wakeStarter();
    void starterWoken();
    void workerFinished();

    SensorPolling& m_cycles;
    const std::atomic<int>& m_activeTab;
    StopSignal m_stop;
    // Held by the worker while a cycle writes and by the starting thread while it shows the
    // cycle; the hand-off protocol already keeps them apart, the lock makes it explicit.
    std::mutex m_cycleMutex;
    // The hand-off's own state; held only for moments, so a stop request never waits on a cycle.
    std::mutex m_handOffMutex;
    std::condition_variable m_handedOver;
    bool m_handOffPending = false;
    bool m_workerDone = false;
    std::exception_ptr m_error;

    int m_wakeFd = -1;
    QSocketNotifier* m_wake = nullptr;
    bool m_running = false;
    long long m_handOffs = 0;
};
