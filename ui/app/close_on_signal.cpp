#include "ui/app/close_on_signal.h"

#include "core/link/stop_signal.h"

#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

StopSignal* g_raised = nullptr;
volatile std::sig_atomic_t g_signal = 0;

extern "C" void onCloseSignal(int signal) {
    if (g_signal != 0) {
        // The first one is being served and did not end the program: this one does.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_signal = signal;
    if (g_raised != nullptr)
        g_raised->request();
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget* window)
    : m_window(window), m_raised(std::make_unique<StopSignal>()) {
    g_signal = 0;
    g_raised = m_raised.get();
    m_notifier = new QSocketNotifier(m_raised->fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        m_notifier->setEnabled(false);
        if (m_window)
            m_window->close();
    });
    struct sigaction action {};
    action.sa_handler = onCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal() {
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    g_raised = nullptr;
}

int CloseOnSignal::signalNumber() const {
    return g_signal;
}
