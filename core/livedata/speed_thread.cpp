#include "core/livedata/speed_thread.h"

#include "core/link/command_link.h"
#include "core/livedata/acceleration_test.h"

#include <QScopeGuard>
#include <array>
#include <functional>

SpeedThread::SpeedThread(AccelerationTest& test, CommandLink& link, QObject* parent)
    : HandOffThread(parent), m_test(test), m_link(link) {
    setObjectName(QStringLiteral("SpeedThread"));
}

SpeedThread::~SpeedThread() {
    disconnect(this, &SpeedThread::testFinished, nullptr, nullptr);
    stopAndWait();
}

bool SpeedThread::startTest() {
    return startWorker(QThread::NormalPriority);
}

void SpeedThread::workerStarting() {
    m_link.setStopSignal(&stopSignal());
    Q_EMIT testStarted();
}

void SpeedThread::execute() {
    // The test emits on this worker; each of its display changes is shown on the starting
    // thread while the worker waits. Relayed for this run only: a run on the starting thread
    // itself would wait on its own hand-off.
    const auto relay = [this](void (AccelerationTest::*testSignal)(),
                              void (SpeedThread::*shown)()) {
        // std::invoke of a signal emits it.
        return connect(
            &m_test, testSignal, this,
            [this, shown] { handOff([this, shown] { std::invoke(shown, this); }); },
            Qt::DirectConnection);
    };
    const std::array relays{relay(&AccelerationTest::startValuesDue, &SpeedThread::startValuesDue),
                            relay(&AccelerationTest::runningStarted, &SpeedThread::runningStarted),
                            relay(&AccelerationTest::sampleReady, &SpeedThread::sampleReady)};
    const auto unrelay = qScopeGuard([&relays] {
        for (const QMetaObject::Connection& connection : relays)
            disconnect(connection);
    });
    m_test.execute(m_link, stopSignal());
    // The end of the run is the end of the worker, as if "Stop" had been pressed.
    requestStop();
}

void SpeedThread::workerEnded(std::exception_ptr error) {
    m_link.setStopSignal(nullptr);
    Q_EMIT testFinished(error);
}
