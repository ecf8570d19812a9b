#pragma once

#include "core/j1979/service01.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

class CommandLink;
class StopSignal;

// The elapsed-time clock of the acceleration test: started at the first speed above zero; reading
// it gives the seconds since then and does not stop it. The clock is injectable for tests.
class Stopwatch {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    explicit Stopwatch(Now now = {});
    void start();
    // Seconds since start(); 0 before the first start.
    long double seconds() const;

private:
    Now m_now;
    Clock::time_point m_start{};
    bool m_started = false;
};

// What the speed request at the start of a test found.
struct StandstillCheck {
    enum Result { Standing, Moving, NotANumber };
    Result result = NotANumber;
    QString speedText;
};

// A timed standing start: from the first speed above zero to 100 km/h (60 mph in English
// units), the time at the target taken from the last sample by proportion. A run that has not
// reached the target 60 s after it began moving ends; before it moves it waits as long as the
// driver does, however fast the adapter answers. The loop runs on the
// speed worker; the displays are the ui's, reached through the signals the loop emits (each
// emit returns once the ui has shown it). The state the worker writes is read by the ui thread
// only while the worker waits in such an emit, or after it has ended.
class AccelerationTest : public QObject {
    Q_OBJECT
public:
    // Seconds from the first speed above zero after which a run that has not reached the target
    // ends.
    static constexpr int kTimeLimitSeconds = 60;

    // Why the last run ended.
    enum class Outcome { None, TargetReached, Stopped, TimeLimit, SpeedUnreadable, LinkLost };

    // The texts of the speed and time displays.
    struct Shown {
        QString speed;
        QString time;
    };

    explicit AccelerationTest(std::function<bool()> english, Stopwatch::Now now = {},
                              QObject* parent = nullptr);

    // The speed at the start, always asked in km/h: the vehicle has to stand.
    StandstillCheck checkStandstill(CommandLink& link) const;
    // Fixes the target speed for the next run by the unit system active now.
    void arm();

    // The worker's loop: samples the speed until the target, the time limit, a speed that is
    // not a number, a lost interface (its error is thrown on), or the stop signal.
    void execute(CommandLink& link, const StopSignal& stop);

    // The hand-off, on the ui thread while the worker waits: the last speed and the stopwatch
    // reading, which is also what the result is computed from.
    Shown synchronise();
    // What the displays show before a sample above zero: "0 km/h" and "0,00 Sec." (the locale's
    // decimal separator).
    Shown startValues() const;
    // After the run: the target speed and the time at it, when the last sample lay above the
    // target and was shown; otherwise nothing, and the displays keep what they show.
    std::optional<Shown> result() const;

    int targetSpeed() const { return m_targetSpeed; }
    int sampleCounter() const { return m_sampleCounter; }
    const QString& lastSpeedText() const { return m_lastSpeedText; }
    bool started() const { return m_started; }
    double speed() const { return m_speed; }
    Outcome outcome() const { return m_outcome; }
    // Why a run ended without reaching the target, for the user (translated); empty after a
    // run that reached it and before the first.
    QString endReason() const;
    // The stopwatch as the hand-off reads it (for the end step).
    long double stopwatchSeconds() const { return m_stopwatch.seconds(); }

    static QString unitText(bool english);
    static QString secondsText(long double seconds);
    // The time display of a run that gave no time.
    static QString noTimeText() { return QStringLiteral("--.-- Sec."); }

Q_SIGNALS:
    // Emitted by execute() on the thread that runs it; connect with Qt::DirectConnection so
    // that the loop goes on only once the display has changed. The start texts of speed and
    // time are due; the first speed above zero has come; a sample above zero is to be shown
    // (through synchronise()).
    void startValuesDue();
    void runningStarted();
    void sampleReady();

private:
    bool english() const { return m_english && m_english(); }

    std::function<bool()> m_english;
    Service01 m_decoder;
    Stopwatch m_stopwatch;
    int m_targetSpeed = 100;
    int m_sampleCounter = 0;
    QString m_lastSpeedText;
    QString m_unitText;
    bool m_started = false;
    double m_speed = 0.0;
    long double m_handOffSeconds = 0.0;
    int m_handedOverSample = 0; // the sample counter at the last hand-off
    Outcome m_outcome = Outcome::None;
};
