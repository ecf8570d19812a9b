#pragma once

#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/elm_emulator.h"

#include <QString>
#include <atomic>
#include <chrono>
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
        int baud = 0;        // pace both directions like a line of this speed; 0 = no pacing
        bool elm327 = false; // the chip is an ELM327 (with elm327Settings) instead of an ELM323
        Elm327Emulator::Settings elm327Settings;
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
    using Clock = std::chrono::steady_clock;

    // Pacing on an absolute schedule: byte k of a transfer that starts at t is complete at
    // t + (k + 1) x 10 bits / baud, so an oversleep delays one write and is not added to the next.
    Clock::duration byteTime() const;
    // When the bytes read now have wholly arrived over the line from the host.
    Clock::time_point receivedAt(qsizetype count);
    // Writes the bytes as the line delivers them, starting no earlier than the time given.
    void send(const QByteArray& bytes, Clock::time_point earliest);
    bool sleepUntilUnlessWoken(Clock::time_point until);

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
    Clock::time_point m_hostLineFree{};
    Clock::time_point m_chipLineFree{};
    std::thread m_thread;
};
