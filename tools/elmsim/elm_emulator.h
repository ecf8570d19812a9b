#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class RecordedCar;
class VehicleProfile;

// The interface chip's behaviour on the line, without any I/O: bytes in, bytes out. Echo is on
// after start and after ATZ until ATE0; line feeds follow carriage returns only after ATL1; ATI
// names an ELM323 v2.0; ATH1 shows each message with its ISO 9141-2 header and check byte, ATH0
// (the default) only its data; an unknown AT command answers "?"; a request nobody answers gives
// "NO DATA". Every answer ends with the prompt ">" unless prompts are switched off.
class ElmEmulator {
public:
    struct Options {
        bool prompt = true;
        int muteAfter = -1; // stop answering after this many requests; -1 never
        // The vehicle answers "NO DATA" to every request after this many (the chip still
        // answers its own commands); -1 never. A car that is found and then says nothing.
        int noDataAfter = -1;
        // A clone that echoes whatever ATE0 says.
        bool keepEcho = false;
        // The car of a recording answers the OBD requests instead of the vehicle (elmsim
        // --replay); the chip still answers its own commands.
        std::shared_ptr<RecordedCar> replay;
        // A clone that prints a blank line after every line of an answer.
        bool blankLines = false;
    };

    // One piece of output. Vehicle answers are marked, so the line can delay them like a slow bus.
    struct Output {
        QByteArray bytes;
        bool fromVehicle = false;
        // The chip's own silence before this piece, counted from when the piece before it has
        // gone out (or the command came in): the time it listens for control units.
        int pauseMs = 0;
        // The chip restarts during that silence and hears nothing of what comes meanwhile.
        bool deafDuringPause = false;
    };

    // What every ELM chip does on the line before it reads a command: the echo, line feeds after
    // carriage returns, a small command buffer (upper case, blanks dropped), the mute after a
    // number of requests, and the layout of an answer with its prompt.
    class Line {
    public:
        explicit Line(Options options) : m_options(options) {}

        bool echo = true;
        bool linefeeds = false;
        // An empty line repeats the last command (an ELM327 does; the ELM323 only prompts).
        bool repeatOnEmptyLine = false;

        // Feeds received bytes; each complete command line goes to handleLine, an empty line
        // brings the prompt back or repeats the last command.
        std::vector<Output>
        feed(const QByteArray& input,
             const std::function<std::vector<Output>(const QString&)>& handleLine);

        // The answer's lines, each with its line end, a blank line, then the prompt.
        QByteArray finish(const QString& text, bool leadingBlankLine = false) const;

        int requestCount() const { return m_requests; }
        // The request being handled is one the vehicle no longer answers (Options::noDataAfter).
        bool vehicleSilent() const {
            return m_options.noDataAfter >= 0 && m_requests > m_options.noDataAfter;
        }

        // The recorded car's answer to an OBD request (Options::replay), with the delay it took;
        // nothing without a recording or for any other line.
        std::optional<std::vector<Output>> replayed(const QString& line) const;

        // Two hexadecimal digits per byte, nothing else: an OBD request.
        static bool isHexRequest(const QString& line);

    private:
        Options m_options;
        QByteArray m_buffer;
        QString m_lastLine;
        int m_requests = 0;
    };

    ElmEmulator(VehicleProfile& vehicle, Options options);

    // Feeds received bytes; returns what the chip prints in response, in order.
    std::vector<Output> feed(const QByteArray& input);

    int requestCount() const { return m_line.requestCount(); }

private:
    std::vector<Output> handleLine(const QString& line);
    void reset();

    VehicleProfile& m_vehicle;
    Line m_line;
    bool m_headers = false;
};
