#pragma once

#include "core/link/link_answer.h"

#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <thread>

class CommandLink;

// One command and its answer on a thread of its own, so that the window stays responsive while
// the exchange waits for its lock (a worker polling meanwhile) or for a slow interface. The answer,
// or what the exchange threw, is delivered on the thread that owns this object. One exchange at a
// time.
class BackgroundExchange : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const LinkAnswer& answer, std::exception_ptr error)>;

    explicit BackgroundExchange(CommandLink& link, QObject* parent = nullptr);
    // Waits for an exchange in progress; its answer is not delivered.
    ~BackgroundExchange() override;

    // How the command goes out: as the readers send it, or as the user typed it
    // (CommandLink::exchangeAsTyped).
    enum class Sent { Cleaned, AsTyped };

    // Starts the exchange unless one is in progress (false then); done runs once it has ended.
    bool start(const QString& command, Done done, Sent sent = Sent::Cleaned);
    bool busy() const { return m_busy; }
    // Handles the owning thread's events until the exchange in progress has been delivered.
    void waitUntilDone();

private:
    void deliver(const LinkAnswer& answer, std::exception_ptr error);

    CommandLink& m_link;
    std::thread m_thread;
    Done m_done;
    bool m_busy = false;
};
