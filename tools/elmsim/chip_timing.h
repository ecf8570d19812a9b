#pragma once

#include <QString>

// How an ELM327 spends time around a vehicle answer, simply modelled. After a request the chip
// listens for control units until its time-out runs out, and after the last answer it listens on
// for further units just as long, unless the request said how many answers to expect and that
// many came. AT ST hh sets the time-out (hh x 4 ms, 00 the default of about 200 ms); adaptive
// timing (AT AT1, the default, and the more eager AT AT2) shortens it, once a few answers have
// been measured, to a multiple of the measured answer time, never beyond the AT ST value. AT AT0
// keeps the time-out as set.
//
// Without realtime the model only keeps its settings: the emulator then answers at once, so the
// suite stays fast.
class ChipTiming {
public:
    struct Settings {
        bool realtime = false;
        int responseMs = 10; // how long a control unit takes to answer (CAN)
    };

    static constexpr int kDefaultTimeoutMs = 0x32 * 4;
    // Answers measured before adaptive timing trusts its measurement.
    static constexpr int kAnswersToAdapt = 4;

    explicit ChipTiming(Settings settings) : m_settings(settings) {}

    bool realtime() const { return m_settings.realtime; }
    int responseMs() const { return m_settings.responseMs; }

    // ATZ, ATWS and ATD: the default time-out, AT AT1, nothing measured.
    void reset();
    // The argument of AT ST ("32"); false (nothing changed) unless it is two hex digits.
    bool setTimeout(const QString& hh);
    // The argument of AT AT ("0", "1", "2"); false (nothing changed) for anything else.
    bool setAdaptive(const QString& mode);

    // How long the chip waits for the first answer, and after each answer for another.
    int waitMs() const;
    // Whether a control unit's answer comes before the chip stops waiting for it.
    bool answerInTime() const { return m_settings.responseMs <= waitMs(); }
    // A request was answered: one more measurement for adaptive timing.
    void answered();

private:
    Settings m_settings;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_adaptive = 1;
    int m_measured = 0;
};
