#pragma once

#include "tools/elmsim/drive_profile.h"
#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/elm_emulator.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class VehicleProfile;

// The emulated chip with its vehicle behind one byte stream: reads what the client sends, feeds
// the chip and writes what it prints, delayed like a slow vehicle and paced like a serial line
// when so configured. The pseudo-terminal and the TCP front of elmsim both serve through it.
class ElmServer {
public:
    struct Config {
        ElmEmulator::Options emulator;
        QString profile = QStringLiteral("demo");
        int latencyMs = 0; // delay before each vehicle answer
        // Pace both directions like a line of this speed; 0 = no pacing. On a pseudo-terminal a
        // client that set another speed gets noise back and is not understood.
        int baud = 0;
        // Another program's reset answer arrives just before the answer to the first ATZ.
        bool lateReset = false;
        bool elm327 = false; // the chip is an ELM327 (with elm327Settings) instead of an ELM323
        Elm327Emulator::Settings elm327Settings;
        // A vehicle of the caller's own instead of the named profile (tests).
        std::function<std::unique_ptr<VehicleProfile>()> vehicle;
        DriveSettings drive; // the vehicle drives off (profile "drive", --accel-seconds)
    };

    enum class Stream { Terminal, Socket };
    enum class End { Stopped, PeerClosed };

    explicit ElmServer(const Config& config); // throws std::runtime_error
    ~ElmServer();
    ElmServer(const ElmServer&) = delete;
    ElmServer& operator=(const ElmServer&) = delete;

    // Serves fd until stop() or, for a socket, until the client closes its side.
    End serve(int fd, Stream stream);

    // Safe from any thread and from a signal handler (through wakeFd()).
    void stop();
    bool stopping() const { return m_stop; }
    int wakeFd() const { return m_wakeFd; }

    int requestCount() const { return m_requests; }

private:
    using Clock = std::chrono::steady_clock;

    // Pacing on an absolute schedule: byte k of a transfer that starts at t is complete at
    // t + (k + 1) x 10 bits / baud, so an oversleep delays one write and is not added to the next.
    Clock::duration byteTime() const;
    // When the bytes read now have wholly arrived over the line from the client.
    Clock::time_point receivedAt(qsizetype count);
    // Writes the bytes as the line delivers them, starting no earlier than the time given;
    // returns when their last byte is through.
    Clock::time_point send(int fd, Stream stream, const QByteArray& bytes,
                           Clock::time_point earliest);
    bool sleepUntilUnlessWoken(Clock::time_point until);
    // Throws away what the client has sent and the chip has not read (it was restarting).
    static void dropReceived(int fd);
    // The client's line speed differs from the configured one (a pseudo-terminal only).
    bool wrongSpeed(int fd, Stream stream) const;

    Config m_config;
    std::unique_ptr<VehicleProfile> m_vehicle;
    std::unique_ptr<VehicleProfile> m_secondUnit; // --units 2 behind an ELM323
    std::unique_ptr<ElmEmulator> m_emulator;
    std::unique_ptr<Elm327Emulator> m_elm327; // set instead of m_emulator for an ELM327
    int m_wakeFd = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    bool m_lateResetSent = false;
    Clock::time_point m_hostLineFree{};
    Clock::time_point m_chipLineFree{};
};
