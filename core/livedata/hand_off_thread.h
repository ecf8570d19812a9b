#pragma once

#include "core/link/stop_signal.h"

#include <QThread>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>

class QSocketNotifier;

// A worker thread that runs beside the thread that started it (the ui thread) and now and then
// hands something over to it: it has a piece of work run there and waits until it has. A stop
// request ends the wait at once, and a hand-off asked for after the stop is skipped. Whatever the
// worker throws ends it and is handed to workerEnded(). Started, stopped and destroyed on the
// starting thread only.
//
// The hand-off is the worker's own: it wakes the starting thread through an eventfd that a socket
// notifier there watches, and waits on a condition variable until the work has run. Nothing of it
// passes through Qt's event queue, so every order between the two threads is one that the thread
// checker can see.
class HandOffThread : public QThread {
    Q_OBJECT
public:
    explicit HandOffThread(QObject* parent = nullptr);
    // A derived class calls stopAndWait() in its own destructor: the worker runs its code.
    ~HandOffThread() override;

    // Asks the worker to stop and returns at once; any thread.
    void requestStop();
    bool stopRequested() const { return m_stop.requested(); }
    // From startWorker until workerEnded has run.
    bool isWorking() const { return m_working; }
    // Requests the stop, then handles the starting thread's events (the hand-offs among them)
    // until the worker has ended and workerEnded has run.
    void stopAndWait();

protected:
    // Starts the worker unless it runs (workerStarting runs first); true when it was started.
    bool startWorker(QThread::Priority priority);
    const StopSignal& stopSignal() const { return m_stop; }

    // The worker's body, on the worker thread.
    virtual void execute() = 0;
    // On the starting thread: just before the worker begins, and after it has ended with what
    // ended it (null when it returned).
    virtual void workerStarting() {}
    virtual void workerEnded(std::exception_ptr error) = 0;

    // From the worker: runs the work on the starting thread and waits until it has. False, and
    // the work does not run, once a stop is requested. The work must not throw.
    bool handOff(const std::function<void()>& work);

private:
    void run() final;
    void wakeStarter();
    void starterWoken();
    void finishWorker();

    StopSignal m_stop;
    // The hand-off's own state; held only for moments, so a stop request never waits on work.
    std::mutex m_handOffMutex;
    std::condition_variable m_handedOver;
    const std::function<void()>* m_pendingWork = nullptr;
    bool m_starterBusy = false; // the starting thread is running the pending work
    bool m_workerDone = false;
    std::exception_ptr m_error;

    int m_wakeFd = -1;
    QSocketNotifier* m_wake = nullptr;
    bool m_working = false;
};
