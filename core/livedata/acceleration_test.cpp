#include "core/livedata/acceleration_test.h"

#include "core/j1979/display_number.h"
#include "core/l10n/const_str.h"
#include "core/link/serial_port_error.h"
#include "core/link/stop_signal.h"

#include <QLocale>

Stopwatch::Stopwatch(Now now) : m_now(now ? std::move(now) : Now([] { return Clock::now(); })) {}

void Stopwatch::start() {
    m_start = m_now();
    m_started = true;
}

long double Stopwatch::seconds() const {
    if (!m_started)
        return 0.0L;
    return std::chrono::duration<long double>(m_now() - m_start).count();
}

AccelerationTest::AccelerationTest(std::function<bool()> english, Stopwatch::Now now,
                                   QObject* parent)
    : QObject(parent), m_english(std::move(english)), m_stopwatch(std::move(now)) {}

QString AccelerationTest::unitText(bool english) {
    return english ? const_str::UnitMilesPerHour : const_str::UnitKmPerHour;
}

QString AccelerationTest::secondsText(long double seconds) {
    return display_number::format("%3.2f", double(seconds)) + QStringLiteral(" Sec.");
}

StandstillCheck AccelerationTest::checkStandstill(CommandLink& link) const {
    StandstillCheck check;
    check.speedText = m_decoder.pidValue(link, QStringLiteral("01"), QStringLiteral("0D"), false)
                          .value_or(const_str::Error);
    bool isInteger = false;
    const int speed = check.speedText.trimmed().toInt(&isInteger);
    if (!isInteger)
        check.result = StandstillCheck::NotANumber;
    else
        check.result = speed > 0 ? StandstillCheck::Moving : StandstillCheck::Standing;
    return check;
}

void AccelerationTest::arm() {
    m_targetSpeed = english() ? 60 : 100;
}

AccelerationTest::Shown AccelerationTest::startValues() const {
    return {QStringLiteral("0 ") + (m_unitText.isEmpty() ? unitText(english()) : m_unitText),
            secondsText(0.0L)};
}

void AccelerationTest::execute(CommandLink& link, const StopSignal& stop) {
    m_unitText = unitText(english());
    m_sampleCounter = 0;
    m_speed = 0.0;
    m_started = false;
    m_handOffSeconds = 0.0L;
    m_handedOverSample = 0;
    m_outcome = Outcome::Stopped;
    Q_EMIT startValuesDue();
    while (!stop.requested()) {
        ++m_sampleCounter;
        PidValue value;
        try {
            value = m_decoder.pidValue(link, QStringLiteral("01"), QStringLiteral("0D"), english());
        } catch (const SerialPortError&) {
            m_outcome = Outcome::LinkLost;
            throw;
        } catch (...) {
            // An answer that cannot be decoded: no speed came, whatever the error says.
            m_lastSpeedText = const_str::Error;
            m_outcome = Outcome::SpeedUnreadable;
            throw;
        }
        const QString text = value.value_or(const_str::Error);
        // A stop ends the request in progress without an answer: that says nothing of the speed.
        if (stop.requested())
            break;
        m_lastSpeedText = text;
        bool isNumber = false;
        const double speed = QLocale().toDouble(text.trimmed(), &isNumber);
        if (!isNumber) {
            m_outcome = Outcome::SpeedUnreadable;
            return;
        }
        m_speed = speed;
        if (m_speed > 0) {
            if (!m_started) {
                m_started = true;
                // Started at the sample, not after the display has changed: the ui's delay is
                // not part of the run.
                m_stopwatch.start();
                Q_EMIT runningStarted();
            }
            Q_EMIT sampleReady();
        }
        if (m_speed >= m_targetSpeed) {
            m_outcome = Outcome::TargetReached;
            return;
        }
        // Timed by the clock, not by a count of samples: how fast the adapter answers must not
        // decide when a run ends.
        if (m_started && m_stopwatch.seconds() >= kTimeLimitSeconds) {
            m_outcome = Outcome::TimeLimit;
            return;
        }
    }
}

QString AccelerationTest::endReason() const {
    switch (m_outcome) {
    case Outcome::None:
    case Outcome::TargetReached:
        break;
    case Outcome::Stopped:
        return const_str::AccelerationStopped;
    case Outcome::TimeLimit:
        return const_str::AccelerationTimeLimit.arg(kTimeLimitSeconds);
    case Outcome::SpeedUnreadable:
        return const_str::AccelerationSpeedUnreadable.arg(m_lastSpeedText);
    case Outcome::LinkLost:
        return const_str::InterfaceLost;
    }
    return {};
}

AccelerationTest::Shown AccelerationTest::synchronise() {
    m_handOffSeconds = m_stopwatch.seconds();
    m_handedOverSample = m_sampleCounter;
    return {m_lastSpeedText + QLatin1Char(' ') + m_unitText, secondsText(m_handOffSeconds)};
}

std::optional<AccelerationTest::Shown> AccelerationTest::result() const {
    // A final sample that a stop kept from being shown has no stopwatch reading of its own.
    if (m_outcome != Outcome::TargetReached || m_speed <= m_targetSpeed ||
        m_handedOverSample != m_sampleCounter)
        return std::nullopt;
    const long double atTarget = m_targetSpeed * m_handOffSeconds / m_speed;
    return Shown{QString::asprintf("%d ", m_targetSpeed) + m_unitText, secondsText(atTarget)};
}
