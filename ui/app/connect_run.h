#pragma once

#include "ui/app/input_pause.h"

class ElmExchange;
class StopSignal;
class QWidget;

// The connection sequence runs on the window's thread, because it fills the pages as it goes;
// yet the window must not freeze while the interface takes its time. While a ConnectRun lives,
// every wait of the exchange hands the window its events about every 50 ms: it paints, moves
// and takes a click on the Disconnect button, and nothing else. Disconnect (through its handler)
// and a close of the window raise the stop, and the sequence ends after the exchange in
// progress, at once when it is waiting. A stop raised before the run counts (the caller clears
// it when the connection is asked for); the run clears it when it ends.
class ConnectRun {
public:
    ConnectRun(QWidget* window, QWidget* disconnectButton, ElmExchange& link, StopSignal& stop);
    ~ConnectRun();
    ConnectRun(const ConnectRun&) = delete;
    ConnectRun& operator=(const ConnectRun&) = delete;

private:
    InputPause m_pause;
    ElmExchange& m_link;
    StopSignal& m_stop;
};
