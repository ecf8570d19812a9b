#include "core/livedata/background_exchange.h"

#include "core/link/command_link.h"

#include <QCoreApplication>
#include <QMetaObject>

BackgroundExchange::BackgroundExchange(CommandLink& link, QObject* parent)
    : QObject(parent), m_link(link) {}

BackgroundExchange::~BackgroundExchange() {
    if (m_thread.joinable())
        m_thread.join();
}

bool BackgroundExchange::start(const QString& command, Done done, Sent sent) {
    if (m_busy)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_busy = true;
    m_done = std::move(done);
    m_thread = std::thread([this, command, sent] {
        LinkAnswer answer;
        std::exception_ptr error;
        try {
            answer =
                sent == Sent::AsTyped ? m_link.exchangeAsTyped(command) : m_link.exchange(command);
        } catch (...) {
            error = std::current_exception();
        }
        // Dropped by Qt when this object is gone by then; its destructor waits for the thread.
        QMetaObject::invokeMethod(
            this, [this, answer, error] { deliver(answer, error); }, Qt::QueuedConnection);
    });
    return true;
}

void BackgroundExchange::deliver(const LinkAnswer& answer, std::exception_ptr error) {
    m_thread.join();
    m_busy = false;
    Done done = std::move(m_done);
    m_done = nullptr;
    if (done)
        done(answer, error);
}

void BackgroundExchange::waitUntilDone() {
    while (m_busy)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
