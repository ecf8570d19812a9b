#include "core/j1979/hex_conversions.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/service01.h"
#include "core/l10n/const_str.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

namespace {

using Four = std::array<bool, 4>;
using Eight = std::array<bool, 8>;

// Catalyst, evaporative system, oxygen sensor and its heater.
const Eight evaluatedOnly = {true, false, true, false, false, true, true, false};

TEST(MonitorStatus, LampCountAndCompletedMonitors) {
    const MonitorStatus status = parseMonitorStatus(QStringLiteral("410189076D00"));
    EXPECT_TRUE(status.answered);
    EXPECT_TRUE(status.milOn);
    EXPECT_EQ(status.troubleCodeCount, 9);
    EXPECT_EQ(status.continuousSupported, Four({true, true, true, false}));
    EXPECT_EQ(status.continuousCompleted, Four({true, true, true, false}));
    // Bit 3 of C (secondary air) is set but not evaluated.
    EXPECT_EQ(status.nonContinuousSupported, evaluatedOnly);
    EXPECT_EQ(status.nonContinuousCompleted, evaluatedOnly);
}

// Each monitor alone, written where J1979 puts it: its "supported" bit set, its "incomplete" bit
// clear (byte B bits 0..2 with incomplete bits 4..6; bytes C and D for the others).
TEST(MonitorStatus, EachEvaluatedMonitorReadsItsOwnBits) {
    const struct {
        Monitor monitor;
        const char* answer;
    } cases[] = {
        {Monitor::Misfire, "410100010000"},
        {Monitor::FuelSystem, "410100020000"},
        {Monitor::Components, "410100040000"},
        {Monitor::Catalyst, "410100000100"},
        {Monitor::EvaporativeSystem, "410100000400"},
        {Monitor::OxygenSensor, "410100002000"},
        {Monitor::OxygenSensorHeater, "410100004000"},
    };
    for (const auto& c : cases) {
        const MonitorStatus status = parseMonitorStatus(QLatin1String(c.answer));
        for (const EvaluatedMonitor& m : evaluatedMonitors) {
            const MonitorReadiness flags = readiness(status, m);
            const bool self = m.monitor == c.monitor;
            EXPECT_EQ(flags.supported, self) << c.answer << " monitor " << int(m.monitor);
            EXPECT_EQ(flags.completed, self) << c.answer << " monitor " << int(m.monitor);
        }
    }
}

TEST(MonitorStatus, SupportedButNotCompleted) {
    const MonitorStatus status = parseMonitorStatus(QStringLiteral("410100776565"));
    EXPECT_FALSE(status.milOn);
    EXPECT_EQ(status.troubleCodeCount, 0);
    EXPECT_EQ(status.continuousSupported, Four({true, true, true, false}));
    EXPECT_EQ(status.continuousCompleted, Four({}));
    EXPECT_EQ(status.nonContinuousSupported, evaluatedOnly);
    EXPECT_EQ(status.nonContinuousCompleted, Eight({}));
}

TEST(MonitorStatus, AnythingButTheWholeResponseAtTheStartIsNotRead) {
    // A bare or cut header is no status either: lamp, count and monitors would be made of bytes
    // that never came.
    for (const char* reply : {"NO DATA", "Error", "7F 01 12", "", "410D00410189076D00", "4101",
                              "410185", "410189076D", "UNABLE TO CONNECT"}) {
        SCOPED_TRACE(reply);
        const MonitorStatus status = parseMonitorStatus(QString::fromLatin1(reply));
        EXPECT_FALSE(status.answered);
        EXPECT_FALSE(status.milOn);
        EXPECT_EQ(status.troubleCodeCount, 0);
        EXPECT_EQ(status.continuousSupported, Four({}));
        EXPECT_EQ(status.nonContinuousSupported, Eight({}));
    }
}

TEST(MonitorStatus, DoubledAnswersAndBadDigits) {
    // The second control unit's status is ignored.
    const MonitorStatus doubled = parseMonitorStatus(QStringLiteral("410100000000410189076D00"));
    EXPECT_TRUE(doubled.answered);
    EXPECT_FALSE(doubled.milOn);
    EXPECT_EQ(doubled.troubleCodeCount, 0);

    EXPECT_THROW(parseMonitorStatus(QStringLiteral("4101X9076D00")), HexConversionError);
}

TEST(Service01, ReadStatusFillsSupportedSetStatusAndObdType) {
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("4100BE1FE811"));
    link.answer(QStringLiteral("0101"), QStringLiteral("410189076D00"));
    link.answer(QStringLiteral("011C"), QStringLiteral("411C01"));
    Service01 service01;
    EXPECT_TRUE(service01.readStatus(link));
    EXPECT_TRUE(service01.supportedPids()[0x1C - 1]);
    EXPECT_EQ(service01.monitorStatus().troubleCodeCount, 9);
    EXPECT_EQ(service01.obdType(), QStringLiteral("OBD II (California ARB)"));
    EXPECT_EQ(link.sent(), QStringList({"0100", "0120", "0101", "011C"}));
}

TEST(Service01, ObdTypeWithoutAnswerIsTheSentinel) {
    ScriptedLink link;
    Service01 service01;
    EXPECT_TRUE(service01.readStatus(link));
    EXPECT_EQ(service01.obdType(), std::nullopt);
    EXPECT_FALSE(service01.monitorStatus().milOn);
}

} // namespace
