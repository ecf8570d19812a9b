#include "ui/app/connect_run.h"

#include "core/link/elm_exchange.h"
#include "core/link/stop_signal.h"

#include <QCoreApplication>

ConnectRun::ConnectRun(QWidget* window, QWidget* disconnectButton, ElmExchange& link,
                       StopSignal& stop)
    : m_pause(window, disconnectButton, [&stop] { stop.request(); }), m_link(link), m_stop(stop) {
    m_link.setStopSignal(&m_stop);
    m_link.setWaitHook([] { QCoreApplication::processEvents(); });
}

ConnectRun::~ConnectRun() {
    m_link.setWaitHook(nullptr);
    m_link.setStopSignal(nullptr);
    m_stop.reset();
}
