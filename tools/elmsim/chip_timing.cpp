#include "tools/elmsim/chip_timing.h"

#include <algorithm>

namespace {

// The multiple of the measured answer time that adaptive timing waits: AT1 keeps a generous
// margin for a busy bus, AT2 a small one.
int adaptiveMultiple(int mode) {
    return mode == 2 ? 2 : 4;
}

} // namespace

void ChipTiming::reset() {
    m_timeoutMs = kDefaultTimeoutMs;
    m_adaptive = 1;
    m_measured = 0;
}

bool ChipTiming::setTimeout(const QString& hh) {
    bool ok = false;
    const int value = hh.toInt(&ok, 16);
    if (hh.size() != 2 || !ok)
        return false;
    // 00 is no time-out of nothing: the chip takes it as its default.
    m_timeoutMs = value == 0 ? kDefaultTimeoutMs : value * 4;
    return true;
}

bool ChipTiming::setAdaptive(const QString& mode) {
    if (mode != QLatin1String("0") && mode != QLatin1String("1") && mode != QLatin1String("2"))
        return false;
    m_adaptive = mode.toInt();
    return true;
}

int ChipTiming::waitMs() const {
    if (m_adaptive == 0 || m_measured < kAnswersToAdapt)
        return m_timeoutMs;
    return std::min(m_timeoutMs, adaptiveMultiple(m_adaptive) * std::max(m_settings.responseMs, 1));
}

void ChipTiming::answered() {
    if (m_measured < kAnswersToAdapt)
        ++m_measured;
}
