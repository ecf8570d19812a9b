#pragma once

#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/elm_emulator.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class VehicleProfile;

// The emulated interface on a pseudo-terminal: clients open slavePath() like any serial device.
// run() serves until stop() (or a signal handler writing to wakeFd()); start() runs it on a thread
// of its own for tests.
class PtyElm {
public:
    struct Config {
        ElmEmulator::Options emulator;
        QString profile = QStringLiteral("demo");
        int latencyMs = 0;   // delay before each vehicle answer
        int baud = 0;        // pace output like a line of this speed; 0 = as fast as possible
        bool elm327 = false; // the chip is an ELM327 (with elm327Settings) instead of an ELM323
        Elm327Emulator::Settings elm327Settings;
        // A vehicle of the caller's own instead of the named profile (tests).
        std::function<std::unique_ptr<VehicleProfile>()> vehicle;
    };

    explicit PtyElm(const Config& config); // throws std::runtime_error
    ~PtyElm();
    PtyElm(const PtyElm&) = delete;
    PtyElm& operator=(const PtyElm&) = delete;

    const QString& slavePath() const { return m_slavePath; }

    void run();
    void start();
    void stop();
    int wakeFd() const { return m_wakeFd; }

    // Closes the master side, as if the adapter were pulled out; the server then stops.
    void closeMaster();

    int requestCount() const { return m_requests; }

private:
    void send(const QByteArray& bytes);
    bool sleepUnlessWoken(int ms);

    Config m_config;
    std::unique_ptr<VehicleProfile> m_vehicle;
    std::unique_ptr<ElmEmulator> m_emulator;
    std::unique_ptr<Elm327Emulator> m_elm327; // set instead of m_emulator for an ELM327
    QString m_slavePath;
    int m_masterFd = -1;
    int m_slaveKeepFd = -1;
    int m_wakeFd = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_pullMaster{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};
