#include "core/j1979/monitor_names.h"
#include "core/j1979/monitor_scaling.h"
#include "core/j1979/monitor_tests.h"

#include <gtest/gtest.h>

namespace {

using State = MonitorTestState;

QByteArray bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}

void expectNear(std::optional<double> actual, double expected) {
    ASSERT_TRUE(actual.has_value());
    EXPECT_NEAR(*actual, expected, 1e-9 * qMax(1.0, qAbs(expected)));
}

// Expected values worked out by hand from the published factor, offset and sign of each ID.
TEST(MonitorScaling, PublishedFactorsOffsetsAndSigns) {
    struct Row {
        int uasid;
        quint16 raw;
        double value;
        const char* unit;
        bool known;
    };
    const Row rows[] = {
        {0x01, 0x1234, 4660, "", true},
        {0x05, 0x8000, 0.999424, "", true},  // 32768 * 0.0000305
        {0x07, 0x0C80, 800, "rpm", true},    // 3200 / 4
        {0x0A, 0x1000, 499.712, "mV", true}, // 4096 * 0.122
        {0x0B, 0x0320, 0.8, "V", true},
        {0x0D, 0x0100, 1, "mA", true}, // 256 / 256
        {0x11, 0x0005, 500, "ms", true},
        {0x16, 0x0000, -40, "°C", true},
        {0x16, 0x0578, 100, "°C", true},      // 1400 * 0.1 - 40
        {0x18, 0x2000, 95.8464, "kPa", true}, // 8192 * 0.0117
        {0x1E, 0x8000, 0.999424, "λ", true},
        {0x2E, 0x0005, 5, "", true},
        {0x32, 0x2710, 7.747, "mm", true},  // 10000 * 0.0000305 in
        {0x39, 0x8000, 0, "%", true},       // 32768 * 0.01 - 327.68
        {0x39, 0x0000, -327.68, "%", true}, //
        {0x3E, 0x4000, 1.0000000614, "mm²", true},
        {0x41, 0x0064, 1, "µA", true},
        {0x81, 0xFFFF, -1, "", true},
        {0x84, 0x8000, -32.768, "", true},
        {0x8B, 0xFC18, -1, "V", true},   // -1000 * 0.001
        {0x96, 0xFF9C, -10, "°C", true}, // -100 * 0.1, no offset when signed
        {0x9D, 0xFFFE, -1, "°", true},
        {0xAF, 0x2710, 100, "%", true},
        {0xB1, 0xFFFB, -10, "mV/s", true},
        {0xFE, 0x8001, -8191.75, "Pa", true},
        {0x42, 0x1234, 4660, "", false}, // not in the table: the raw number, no unit
        {0x88, 0xFFFF, -1, "", false},   // ... signed by its range
        {0x00, 0x0001, 1, "", false},
        {0xFF, 0x0002, 2, "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.uasid << " " << row.raw);
        const monitor_scaling::ScaledValue scaled = monitor_scaling::scale(row.uasid, row.raw);
        expectNear(scaled.value, row.value);
        EXPECT_EQ(scaled.unit, QString::fromUtf8(row.unit));
        EXPECT_EQ(scaled.known, row.known);
    }
}

TEST(MonitorTests, SupportedMonitorWalkFollowsTheAnnouncedBlocks) {
    struct Row {
        std::map<int, QByteArray> answers;
        QList<int> ids;
        QList<int> asked;
    };
    QList<int> everyId;
    for (int base = 0; base <= 0xE0; base += 0x20) {
        for (int k = 1; k < 0x20; ++k) {
            everyId << base + k;
        }
    }
    const Row rows[] = {
        {{{0x00, bytes("C0000001")}, {0x20, bytes("80000001")}},
         {0x01, 0x02, 0x21},
         {0, 0x20, 0x40}},
        {{{0x00, bytes("00000000")}, {0x20, bytes("FFFFFFFF")}}, {}, {0}},
        {{{0x00, bytes("400002")}}, {}, {0}}, // a short bitmap is no answer
        {{{0x00, bytes("FFFFFFFF")},
          {0x20, bytes("FFFFFFFF")},
          {0x40, bytes("FFFFFFFF")},
          {0x60, bytes("FFFFFFFF")},
          {0x80, bytes("FFFFFFFF")},
          {0xA0, bytes("FFFFFFFF")},
          {0xC0, bytes("FFFFFFFF")},
          {0xE0, bytes("FFFFFFFF")}},
         everyId,
         {0, 0x20, 0x40, 0x60, 0x80, 0xA0, 0xC0, 0xE0}},
    };
    for (const Row& row : rows) {
        QList<int> asked;
        const QList<int> ids = supportedMonitorIds([&](int base) -> std::optional<QByteArray> {
            asked << base;
            const auto it = row.answers.find(base);
            return it == row.answers.end() ? std::nullopt : std::optional(it->second);
        });
        EXPECT_EQ(ids, row.ids);
        EXPECT_EQ(asked, row.asked);
    }
}

TEST(MonitorTests, CanResultsJudgedAtTheLimitsPerBlock) {
    const QByteArray data = bytes("01010B019001900320"
                                  "01020B032001900320"
                                  "011010006500000064" // 101 ms, one above 100: fail
                                  "018596FFFFFF9C0064" // -0.1 °C in -10..10: pass only signed
                                  "01060B010002000100" // minimum above maximum
                                  "01070B010000");     // cut inside the minimum
    const QList<MonitorTestResult> results = parseCanMonitorAnswer(QStringLiteral("7E8"), data);
    ASSERT_EQ(results.size(), 6);
    const State states[] = {State::Pass, State::Pass,           State::Fail,
                            State::Pass, State::LimitsInverted, State::NotRead};
    const int tids[] = {0x01, 0x02, 0x10, 0x85, 0x06, 0x07};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(results[k].unitKey, QStringLiteral("7E8"));
        EXPECT_EQ(results[k].mid, 0x01);
        EXPECT_EQ(results[k].tid, tids[k]);
        EXPECT_EQ(results[k].state, states[k]);
    }
    expectNear(results[0].value, 0.4);
    expectNear(results[0].maximum, 0.8);
    EXPECT_EQ(results[0].unit, QStringLiteral("V"));
    expectNear(results[3].value, -0.1);
    expectNear(results[3].minimum, -10);
    expectNear(results[5].value, 0.256);
    EXPECT_FALSE(results[5].minimum.has_value());
    EXPECT_FALSE(results[5].maximum.has_value());
    EXPECT_EQ(parseCanMonitorAnswer(QStringLiteral("7E9"), data.left(9)).front().unitKey,
              QStringLiteral("7E9"));
}

TEST(MonitorTests, OlderProtocolsTakeTheLimitTypeFromBit7) {
    struct Row {
        const char* data;
        State state;
        int componentId;
        std::optional<double> minimum;
        std::optional<double> maximum;
    };
    const Row rows[] = {
        {"018100500050", State::Pass, 1, 80, std::nullopt}, // at the minimum
        {"0181004F0050", State::Fail, 1, 80, std::nullopt},
        {"020201000100", State::Pass, 2, std::nullopt, 256}, // at the maximum
        {"020201010100", State::Fail, 2, std::nullopt, 256},
        {"030580007FFF", State::Fail, 5, std::nullopt, 32767}, // unsigned: 32768 > 32767
        {"03051234", State::NotRead, 5, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.data);
        const MonitorTestResult result =
            parseLegacyMonitorMessage(QStringLiteral("10"), bytes(row.data));
        EXPECT_EQ(result.state, row.state);
        EXPECT_EQ(result.componentId, row.componentId);
        EXPECT_EQ(result.minimum, row.minimum);
        EXPECT_EQ(result.maximum, row.maximum);
        EXPECT_EQ(result.mid, -1);
        EXPECT_FALSE(result.unitKnown);
    }
}

TEST(MonitorTests, HostileBytesGiveNotReadResultsNeverAVerdict) {
    struct Row {
        QByteArray data;
        qsizetype results;
    };
    const Row rows[] = {
        {{}, 0},
        {bytes("01"), 1},
        {bytes("0101"), 1},
        {QByteArray(1000, '\xFF'), 112},
    };
    for (const Row& row : rows) {
        const QList<MonitorTestResult> can = parseCanMonitorAnswer({}, row.data);
        EXPECT_EQ(can.size(), row.results);
        if (!can.isEmpty()) {
            EXPECT_EQ(can.back().state, State::NotRead);
        }
        EXPECT_EQ(parseLegacyMonitorMessage({}, row.data.left(5)).state, State::NotRead);
    }
    EXPECT_EQ(monitor_names::monitorName(-1), QStringLiteral("Monitor -1"));
    EXPECT_EQ(monitor_names::testName(0x100), QStringLiteral("Test FF"));
}

TEST(MonitorNames, StandardAndManufacturerIds) {
    const std::pair<int, const char*> monitors[] = {
        {0x00, "Supported monitors 01-20"},
        {0x06, "O2 sensor monitor bank 2 sensor 2"},
        {0x22, "Catalyst monitor bank 2"},
        {0x3B, "EVAP monitor (0.040\")"},
        {0x50, "O2 sensor heater monitor bank 4 sensor 4"},
        {0xA1, "Misfire monitor general data"},
        {0xB1, "Misfire cylinder 16 data"},
        {0xB2, "PM filter monitor bank 1"},
        {0xE1, "Manufacturer monitor E1"},
        {0x11, "Monitor 11"},
    };
    for (const auto& [mid, name] : monitors) {
        EXPECT_EQ(monitor_names::monitorName(mid), QString::fromLatin1(name));
    }
    EXPECT_EQ(monitor_names::testName(0x01),
              QStringLiteral("Rich to lean sensor threshold voltage"));
    EXPECT_EQ(monitor_names::testName(0x0C),
              QStringLiteral("Misfire counts for the last or current driving cycle"));
    EXPECT_EQ(monitor_names::testName(0x85), QStringLiteral("Manufacturer test 85"));
}

} // namespace
