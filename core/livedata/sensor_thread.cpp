#include "core/livedata/sensor_thread.h"

#include "core/link/command_link.h"
#include "core/livedata/sensor_polling.h"

SensorThread::SensorThread(SensorPolling& polling, const std::atomic<int>& activeTab,
                           QObject* parent)
    : HandOffThread(parent), m_cycles(polling), m_activeTab(activeTab) {
    setObjectName(QStringLiteral("SensorThread"));
}

SensorThread::~SensorThread() {
    stopPollingAndWait();
}

bool SensorThread::startPolling() {
    return startWorker(QThread::HighestPriority);
}

void SensorThread::workerStarting() {
    m_cycles.link().setStopSignal(&stopSignal());
    Q_EMIT pollingStarted();
}

void SensorThread::execute() {
    for (;;) {
        bool goOn = true;
        {
            std::lock_guard cycle(m_cycleMutex);
            goOn = m_cycles.runCycle(m_activeTab.load(), stopSignal());
        }
        if (!goOn)
            requestStop(); // nothing to poll on this tab
        if (!handOff(m_showCycle))
            return;
    }
}

void SensorThread::showCycle() {
    std::lock_guard cycle(m_cycleMutex);
    ++m_handOffs;
    Q_EMIT cycleReady();
}

void SensorThread::workerEnded(std::exception_ptr error) {
    m_cycles.link().setStopSignal(nullptr);
    Q_EMIT pollingFinished(error);
}
