#pragma once

#include <QString>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

// The failure of a file written line by line (the communication log, a session recording), kept
// until it has been told once. Its owner guards it with its own lock, takes what is due under
// that lock and tells it outside: the handler may do anything, even write again.
class FailureReport {
public:
    using Handler = std::function<void(const QString& message)>;
    struct Due {
        Handler handler;
        QString message;
    };

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // A new failure, to be told.
    void set(const QString& message) {
        m_message = message;
        m_pending = true;
    }
    // The failure goes to the caller, who tells it himself; the handler is not told.
    QString claim() {
        m_pending = false;
        return m_message;
    }
    // What is to be told, once; nothing when it has been.
    std::optional<Due> take() {
        if (!m_pending)
            return std::nullopt;
        m_pending = false;
        return Due{m_handler, m_message};
    }
    // Takes what is due under the owner's lock and tells it outside.
    template <typename Mutex>
    void tellOutside(Mutex& mutex) {
        std::optional<Due> due;
        {
            std::lock_guard lock(mutex);
            due = take();
        }
        tell(due);
    }
    // To the handler, or to Qt's warning output when there is none.
    static void tell(const std::optional<Due>& due) {
        if (!due)
            return;
        if (due->handler)
            due->handler(due->message);
        else
            qWarning("%s", qPrintable(due->message));
    }

private:
    Handler m_handler;
    QString m_message;
    bool m_pending = false;
};
