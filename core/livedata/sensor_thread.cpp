#include "core/livedata/sensor_thread.h"

#include "core/link/command_link.h"
#include "core/livedata/sensor_polling.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

SensorThread::SensorThread(SensorPolling& polling, const std::atomic<int>& activeTab,
                           QObject* parent)
    : QThread(parent), m_cycles(polling), m_activeTab(activeTab),
      m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    setObjectName(QStringLiteral("SensorThread"));
    if (m_wakeFd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    m_wake = new QSocketNotifier(m_wakeFd, QSocketNotifier::Read, this);
    connect(m_wake, &QSocketNotifier::activated, this, [this] { starterWoken(); });
}

SensorThread::~SensorThread() {
    StopPollingAndWait();
    wait();
    delete m_wake;
    ::close(m_wakeFd);
}

bool SensorThread::startPolling() {
    if (m_running)
        return false;
    m_stop.reset();
    {
        std::lock_guard lock(m_handOffMutex);
        m_handOffPending = false;
        m_workerDone = false;
        m_error = nullptr;
    }
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
    // Taken once so that a worker between its test of the stop and its wait cannot miss this.
    { std::lock_guard lock(m_handOffMutex); }
    m_handedOver.notify_all();
}

void SensorThread::StopPollingAndWait() {
    if (!m_running)
        return;
    requestStop();
    while (m_running)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void SensorThread::run() {
    std::exception_ptr error;
    try {
        SensorThreadExecute();
    } catch (...) {
        error = std::current_exception();
    }
    {
        std::lock_guard lock(m_handOffMutex);
        m_error = error;
        m_workerDone = true;
    }
    wakeStarter();
}

void SensorThread::SensorThreadExecute() {
    for (;;) {
        bool goOn = true;
        {
            std::lock_guard cycle(m_cycleMutex);
            goOn = m_cycles.runCycle(m_activeTab.load(), m_stop);
        }
        if (!goOn)
            requestStop(); // nothing to poll on this tab
        if (m_stop.requested())
            return;
        std::unique_lock lock(m_handOffMutex);
        m_handOffPending = true;
        wakeStarter();
        m_handedOver.wait(lock, [this] { return !m_handOffPending || m_stop.requested(); });
        if (m_stop.requested())
            return;
    }
}

void SensorThread::wakeStarter() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

void SensorThread::starterWoken() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
    bool pending = false;
    bool done = false;
    {
        std::lock_guard lock(m_handOffMutex);
        pending = m_handOffPending;
        done = m_workerDone;
    }
    if (pending) {
        // A stop that came while the worker was on its way here skips the cycle as well.
        if (!m_stop.requested()) {
            std::lock_guard cycle(m_cycleMutex);
            ++m_handOffs;
            if (NotifyEvent1)
                NotifyEvent1();
        }
        {
            std::lock_guard lock(m_handOffMutex);
            m_handOffPending = false;
        }
        m_handedOver.notify_all();
    }
    if (done)
        workerFinished();
}

void SensorThread::workerFinished() {
    // The worker has written its last word; the thread itself ends a moment later, and a new
    // start must find it ended.
    wait();
    std::exception_ptr error;
    {
        std::lock_guard lock(m_handOffMutex);
        error = m_error;
        m_error = nullptr;
        m_workerDone = false;
    }
    m_cycles.link().setStopSignal(nullptr);
    m_running = false;
    if (SensorThreadTerminate)
        SensorThreadTerminate(error);
}
