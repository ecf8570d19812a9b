#pragma once

#include "core/livedata/hand_off_thread.h"

#include <exception>

class AccelerationTest;
class CommandLink;

// The acceleration test's worker, at normal priority: runs the test's loop and has every display
// change made on the thread that started it, waiting until it is shown. Ends by itself at the
// target, the time limit, a speed that is not a number or a lost interface, or on a stop request; a
// stop also ends the exchange in progress.
class SpeedThread : public HandOffThread {
    Q_OBJECT
public:
    SpeedThread(AccelerationTest& test, CommandLink& link, QObject* parent = nullptr);
    ~SpeedThread() override;

    // Starts the worker unless it runs; true when it was started.
    bool startTest();

Q_SIGNALS:
    // Emitted on the starting thread and handled there before the emit returns: connect with
    // Qt::DirectConnection. Just before the worker begins; the worker's display changes (the
    // start values, the change to "running", each sample above zero) while it waits; after the
    // worker has ended, with what ended it (null unless it threw). No receiver may throw.
    void testStarted();
    void startValuesDue();
    void runningStarted();
    void sampleReady();
    void testFinished(std::exception_ptr error);

private:
    void execute() override;
    void workerStarting() override;
    void workerEnded(std::exception_ptr error) override;

    AccelerationTest& m_test;
    CommandLink& m_link;
};
