#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class VehicleProfile;

// The interface chip's behaviour on the line, without any I/O: bytes in, bytes out. Echo is on
// after start and after ATZ until ATE0; line feeds follow carriage returns only after ATL1; ATI
// names an ELM323 v2.0; an unknown AT command answers "?"; a request nobody answers gives
// "NO DATA". Every answer ends with the prompt ">" unless prompts are switched off.
class ElmEmulator {
public:
    struct Options {
        bool prompt = true;
        int muteAfter = -1; // stop answering after this many requests; -1 never
    };

    // One piece of output. Vehicle answers are marked, so the line can delay them like a slow bus.
    struct Output {
        QByteArray bytes;
        bool fromVehicle = false;
    };

    ElmEmulator(VehicleProfile& vehicle, Options options);

    // Feeds received bytes; returns what the chip prints in response, in order.
    std::vector<Output> feed(const QByteArray& input);

    int requestCount() const { return m_requests; }

private:
    std::vector<Output> handleLine(const QString& line);
    QByteArray lineEnd() const;
    QByteArray finish(const QString& text, bool leadingBlankLine = false) const;
    void reset();

    VehicleProfile& m_vehicle;
    Options m_options;
    QByteArray m_line;
    bool m_echo = true;
    bool m_linefeeds = false;
    int m_requests = 0;
};
