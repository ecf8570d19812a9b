#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QSocketNotifier;
class QWidget;
class StopSignal;

// SIGTERM, SIGINT and SIGHUP (a session's log-out, kill, Ctrl+C in the starting terminal) close
// the window as its close button does: the shut-down resets the interface and the communication
// log gets its closing lines. The handler only raises a flag; the close itself is made by the
// window's event loop (during a connection that is within 50 ms, see ConnectRun). A second signal
// while the first is being served ends the program at once, for a shut-down that hangs.
// One at a time; the handlers go back to the system's defaults when it goes.
class CloseOnSignal : public QObject {
public:
    explicit CloseOnSignal(QWidget* window);
    ~CloseOnSignal() override;
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

    // The signal that closed the window; 0 when none did.
    int signalNumber() const;

private:
    QPointer<QWidget> m_window;
    std::unique_ptr<StopSignal> m_raised;
    QSocketNotifier* m_notifier = nullptr;
};
