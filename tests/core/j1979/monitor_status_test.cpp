#include "core/j1979/hex_conversions.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/service01.h"
#include "core/l10n/const_str.h"
#include "scripted_link.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

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
    // Bit 3 of C (secondary air) is read for the full list; none of the seven reads it.
    const Eight withSecondaryAir = {true, false, true, true, false, true, true, false};
    EXPECT_EQ(status.nonContinuousSupported, withSecondaryAir);
    EXPECT_EQ(status.nonContinuousCompleted, withSecondaryAir);
    EXPECT_FALSE(isEvaluated(Monitor::SecondaryAir));
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

// Bit 3 of B picks the set bytes C/D name; each row lists the supported monitors with their
// completion, in the order of the full list. Bytes worked by hand from the public table.
TEST(MonitorStatus, FullListFollowsTheIgnitionType) {
    using M = Monitor;
    const struct {
        const char* answer;
        Ignition ignition;
        std::vector<std::pair<Monitor, bool>> supported; // monitor, completed
    } cases[] = {
        // B 07: spark, continuous all done; C E5: catalyst, evaporative system, oxygen sensor, its
        // heater, EGR; D 80: EGR incomplete.
        {"41018307E580",
         Ignition::Spark,
         {{M::Misfire, true},
          {M::FuelSystem, true},
          {M::Components, true},
          {M::Catalyst, true},
          {M::EvaporativeSystem, true},
          {M::OxygenSensor, true},
          {M::OxygenSensorHeater, true},
          {M::ExhaustGasRecirculation, false}}},
        // B 02: fuel system alone; C 1A: heated catalyst, secondary air, A/C refrigerant; D 10:
        // the refrigerant's incomplete.
        {"410100021A10",
         Ignition::Spark,
         {{M::FuelSystem, true},
          {M::HeatedCatalyst, true},
          {M::SecondaryAir, true},
          {M::AirConditioning, false}}},
        // B 2F: compression, fuel system incomplete; C EB: NMHC, NOx/SCR, boost, exhaust gas
        // sensor, PM filter, EGR; D 03: NMHC and NOx/SCR incomplete.
        {"4101822FEB03",
         Ignition::Compression,
         {{M::Misfire, true},
          {M::FuelSystem, false},
          {M::Components, true},
          {M::NmhcCatalyst, false},
          {M::NoxAftertreatment, false},
          {M::BoostPressure, true},
          {M::ExhaustGasSensor, true},
          {M::ParticulateFilter, true},
          {M::ExhaustGasRecirculation, true}}},
        // The reserved bits 2 and 4 of a compression-ignition C name no monitor.
        {"410100081414", Ignition::Compression, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        const MonitorStatus status = parseMonitorStatus(QLatin1String(c.answer));
        EXPECT_EQ(status.ignition, c.ignition);
        std::vector<std::pair<Monitor, bool>> supported;
        for (const EvaluatedMonitor& m : fullMonitors(status.ignition))
            if (const MonitorReadiness flags = readiness(status, m); flags.supported)
                supported.emplace_back(m.monitor, flags.completed);
        EXPECT_EQ(supported, c.supported);
        // The further list is the full one without the seven.
        qsizetype further = 0;
        for (const auto& [monitor, completed] : c.supported)
            further += isEvaluated(monitor) ? 0 : 1;
        EXPECT_EQ(furtherSupportedMonitors(status).size(), further);
        // A diesel's bits C/D name no catalyst, evaporative system or oxygen sensor: the seven
        // rows show those as not supported rather than read the diesel's monitors under them.
        for (const EvaluatedMonitor& m : evaluatedMonitors) {
            if (!m.continuous && status.ignition == Ignition::Compression) {
                EXPECT_FALSE(readiness(status, m).supported) << int(m.monitor);
            }
        }
    }
}

// PID 41 has the layout of PID 01 with byte A reserved; it is asked for only where the vehicle
// lists it, and what it answers never costs the status of PID 01.
TEST(MonitorStatus, ThisDriveCycleFromPid41) {
    const std::optional<MonitorFlags> cycle = parseDriveCycleStatus(QStringLiteral("41410007E5A0"));
    ASSERT_TRUE(cycle);
    EXPECT_EQ(cycle->ignition, Ignition::Spark);
    EXPECT_EQ(cycle->nonContinuousSupported,
              Eight({true, false, true, false, false, true, true, true}));
    EXPECT_EQ(cycle->nonContinuousCompleted,
              Eight({true, false, true, false, false, false, true, false}));
    EXPECT_FALSE(parseDriveCycleStatus(QStringLiteral("41018307E580")));
    EXPECT_FALSE(parseMonitorStatus(QStringLiteral("41410007E5A0")).answered);

    const struct {
        bool listed;
        const char* answer41;
        QStringList sent;
        bool cycleRead;
    } cases[] = {
        {true, "41410007E5A0", {"0101", "0141"}, true},  {false, "41410007E5A0", {"0101"}, false},
        {true, "NO DATA", {"0101", "0141"}, false},      {true, "414100", {"0101", "0141"}, false},
        {true, "41410007XXA0", {"0101", "0141"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer41);
        ScriptedLink link;
        link.answer(QStringLiteral("0101"), QStringLiteral("41018307E580"));
        link.answer(QStringLiteral("0141"), QLatin1String(c.answer41));
        const MonitorStatus status = readMonitorStatus(link, c.listed);
        EXPECT_EQ(link.sent(), c.sent);
        EXPECT_TRUE(status.answered);
        EXPECT_EQ(status.troubleCodeCount, 3);
        EXPECT_EQ(status.driveCycleAnswered, c.cycleRead);
        EXPECT_EQ(readiness(status.driveCycle, sparkMonitors[10]).supported, c.cycleRead);
    }
    // The service asks for it when bit 7 of the 0140 bitmap lists PID 41.
    ScriptedLink link;
    link.answer(QStringLiteral("0100"), QStringLiteral("4100BE1FB813"));
    link.answer(QStringLiteral("0120"), QStringLiteral("412080000001"));
    link.answer(QStringLiteral("0140"), QStringLiteral("414080000000"));
    link.answer(QStringLiteral("0101"), QStringLiteral("41018307E580"));
    link.answer(QStringLiteral("0141"), QStringLiteral("41410007E5A0"));
    Service01 service01;
    service01.readStatus(link);
    EXPECT_TRUE(service01.monitorStatus().driveCycleAnswered);
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
