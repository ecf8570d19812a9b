#pragma once

#include "tools/elmsim/elm_server.h"

#include <QString>
#include <atomic>
#include <thread>

// The emulated interface on a pseudo-terminal: clients open slavePath() like any serial device.
// run() serves until stop() (or a signal handler writing to wakeFd()); start() runs it on a thread
// of its own for tests.
class PtyElm {
public:
    using Config = ElmServer::Config;

    explicit PtyElm(const Config& config); // throws std::runtime_error
    ~PtyElm();
    PtyElm(const PtyElm&) = delete;
    PtyElm& operator=(const PtyElm&) = delete;

    const QString& slavePath() const { return m_slavePath; }

    void run();
    void start();
    void stop() { m_server.stop(); }
    int wakeFd() const { return m_server.wakeFd(); }

    // Closes the master side, as if the adapter were pulled out; the server then stops.
    void closeMaster();

    int requestCount() const { return m_server.requestCount(); }

private:
    ElmServer m_server;
    QString m_slavePath;
    int m_masterFd = -1;
    int m_slaveKeepFd = -1;
    std::atomic<bool> m_pullMaster{false};
    std::thread m_thread;
};
