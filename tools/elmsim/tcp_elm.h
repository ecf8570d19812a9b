#pragma once

#include "tools/elmsim/elm_server.h"

#include <QString>
#include <atomic>
#include <thread>

// The emulated interface as a WiFi adapter serves it: on a TCP port of the loopback address, one
// client at a time, the chip keeping its state from one client to the next as the real adapter
// does. Port 0 takes a free port; address() names the one in use ("tcp://127.0.0.1:35000").
class TcpElm {
public:
    using Config = ElmServer::Config;

    TcpElm(const Config& config, int port); // throws std::runtime_error
    ~TcpElm();
    TcpElm(const TcpElm&) = delete;
    TcpElm& operator=(const TcpElm&) = delete;

    int port() const { return m_port; }
    QString address() const;

    void run();
    void start();
    void stop() { m_server.stop(); }
    int wakeFd() const { return m_server.wakeFd(); }

    // Ends the connection of the current client at once, as a WiFi adapter that loses power does;
    // the server then waits for the next client.
    void dropClient();

    int requestCount() const { return m_server.requestCount(); }
    int clientCount() const { return m_clients; }

private:
    ElmServer m_server;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<int> m_clientFd{-1};
    std::atomic<int> m_clients{0};
    std::thread m_thread;
};
