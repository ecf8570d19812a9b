#include "core/livedata/sensor_thread.h"

#include "core/link/command_link.h"
#include "core/livedata/sensor_polling.h"

#include <QCoreApplication>

SensorThread::SensorThread(SensorPolling& polling, const std::atomic<int>& activeTab,
                           QObject* parent)
    : QThread(parent), m_cycles(polling), m_activeTab(activeTab) {
    setObjectName(QStringLiteral("SensorThread"));
    // Emitted by the worker as it ends; delivered here, on the thread that owns this object.
    connect(
        this, &QThread::finished, this, [this] { workerFinished(); }, Qt::QueuedConnection);
}

SensorThread::~SensorThread() {
    StopPollingAndWait();
    wait();
}

bool SensorThread::startPolling() {
    if (m_running)
        return false;
    m_stop.reset();
    m_error = nullptr;
    m_running = true;
    m_cycles.link().setStopSignal(&m_stop);
    if (SensorThreadStart)
        SensorThreadStart();
    start(QThread::HighestPriority);
    return true;
}

void SensorThread::requestStop() {
    requestInterruption();
    m_stop.request();
}

void SensorThread::StopPollingAndWait() {
    if (!m_running)
        return;
    requestStop();
    while (m_running)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void SensorThread::run() {
    try {
        SensorThreadExecute();
    } catch (...) {
        std::lock_guard cycle(m_cycleMutex);
        m_error = std::current_exception();
    }
}

void SensorThread::SensorThreadExecute() {
    for (;;) {
        {
            std::lock_guard cycle(m_cycleMutex);
            if (!m_cycles.runCycle(m_activeTab.load(), m_stop))
                requestStop(); // nothing to poll on this tab
        }
        if (m_stop.requested())
            return;
        QMetaObject::invokeMethod(
            this, [this] { handOff(); }, Qt::BlockingQueuedConnection);
    }
}

void SensorThread::handOff() {
    // A stop that came while the call was on its way skips it as well.
    if (m_stop.requested())
        return;
    std::lock_guard cycle(m_cycleMutex);
    ++m_handOffs;
    if (NotifyEvent1)
        NotifyEvent1();
}

void SensorThread::workerFinished() {
    std::exception_ptr error;
    {
        std::lock_guard cycle(m_cycleMutex);
        error = m_error;
        m_error = nullptr;
    }
    // finished() comes just before the thread's very end; a new start must find it ended.
    wait();
    m_cycles.link().setStopSignal(nullptr);
    m_running = false;
    if (SensorThreadTerminate)
        SensorThreadTerminate(error);
}
