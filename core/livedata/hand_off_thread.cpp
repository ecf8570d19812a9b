#include "core/livedata/hand_off_thread.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

HandOffThread::HandOffThread(QObject* parent)
    : QThread(parent), m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (m_wakeFd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    m_wake = new QSocketNotifier(m_wakeFd, QSocketNotifier::Read, this);
    connect(m_wake, &QSocketNotifier::activated, this, [this] { starterWoken(); });
}

HandOffThread::~HandOffThread() {
    wait();
    delete m_wake;
    ::close(m_wakeFd);
}

bool HandOffThread::startWorker(QThread::Priority priority) {
    if (m_working)
        return false;
    m_stop.reset();
    {
        std::lock_guard lock(m_handOffMutex);
        m_pendingWork = nullptr;
        m_workerDone = false;
        m_error = nullptr;
    }
    m_working = true;
    workerStarting();
    start(priority);
    return true;
}

void HandOffThread::requestStop() {
    requestInterruption();
    m_stop.request();
    // Taken once so that a worker between its test of the stop and its wait cannot miss this.
    { std::lock_guard lock(m_handOffMutex); }
    m_handedOver.notify_all();
}

void HandOffThread::stopAndWait() {
    if (!m_working)
        return;
    requestStop();
    while (m_working)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void HandOffThread::run() {
    std::exception_ptr error;
    try {
        execute();
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

bool HandOffThread::handOff(const std::function<void()>& work) {
    if (m_stop.requested())
        return false;
    std::unique_lock lock(m_handOffMutex);
    m_pendingWork = &work;
    wakeStarter();
    m_handedOver.wait(lock, [this] { return m_pendingWork == nullptr || m_stop.requested(); });
    // After a stop the starting thread may still be running the work: it clears the pointer
    // only when done, and the worker must not leave (and free the work) before.
    m_handedOver.wait(lock, [this] { return m_pendingWork == nullptr || !m_starterBusy; });
    const bool ran = m_pendingWork == nullptr && !m_stop.requested();
    m_pendingWork = nullptr;
    return ran;
}

void HandOffThread::wakeStarter() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

void HandOffThread::starterWoken() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
    const std::function<void()>* work = nullptr;
    bool done = false;
    {
        std::lock_guard lock(m_handOffMutex);
        // A stop that came while the worker was on its way here skips the work as well.
        if (m_pendingWork != nullptr && !m_stop.requested()) {
            work = m_pendingWork;
            m_starterBusy = true;
        }
        done = m_workerDone;
    }
    if (work != nullptr) {
        (*work)();
        {
            std::lock_guard lock(m_handOffMutex);
            m_pendingWork = nullptr;
            m_starterBusy = false;
        }
        m_handedOver.notify_all();
    }
    if (done)
        finishWorker();
}

void HandOffThread::finishWorker() {
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
    m_working = false;
    workerEnded(error);
}
