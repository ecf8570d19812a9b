#include "core/livedata/speed_thread.h"

#include "core/link/command_link.h"
#include "core/livedata/acceleration_test.h"

SpeedThread::SpeedThread(AccelerationTest& test, CommandLink& link, QObject* parent)
    : HandOffThread(parent), m_test(test), m_link(link) {
    setObjectName(QStringLiteral("SpeedThread"));
}

SpeedThread::~SpeedThread() {
    onTestFinished = nullptr;
    stopAndWait();
}

bool SpeedThread::startTest() {
    return startWorker(QThread::NormalPriority);
}

void SpeedThread::workerStarting() {
    m_link.setStopSignal(&stopSignal());
    if (onTestStarted)
        onTestStarted();
}

void SpeedThread::execute() {
    // The hooks are read on the starting thread only, where they are also changed.
    auto relay = [this](std::function<void()> SpeedThread::*hook) {
        return [this, hook] {
            handOff([this, hook] {
                if (this->*hook)
                    (this->*hook)();
            });
        };
    };
    AccelerationTest::View view;
    view.showStartValues = relay(&SpeedThread::showStartValues);
    view.showRunning = relay(&SpeedThread::showRunning);
    view.synchronise = relay(&SpeedThread::showTestProgress);
    m_test.execute(m_link, stopSignal(), view);
    // The end of the run is the end of the worker, as if "Stop" had been pressed.
    requestStop();
}

void SpeedThread::workerEnded(std::exception_ptr error) {
    m_link.setStopSignal(nullptr);
    if (onTestFinished)
        onTestFinished(error);
}
