// The service readers against the Demo-Mode vehicle, through the real exchange and its cleaning.

#include "core/j1979/service_objects.h"
#include "core/link/elm_exchange.h"
#include "locale_guard.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

class SimulatedVehicle : public testing::Test {
protected:
    void SetUp() override {
        m_exchange.setDemoMode(true);
        m_exchange.setDemoDelay(0);
    }

    LocaleGuard m_locale{englishLocale()};
    ElmExchange m_exchange;
};

TEST_F(SimulatedVehicle, SupportedPidsOfServiceOne) {
    const SupportedPidSet set = readSupportedPids(m_exchange, QStringLiteral("01"), {});
    QStringList supported;
    for (int pid = 1; pid <= 0x50; ++pid) {
        if (set[size_t(pid - 1)]) {
            supported << QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    // "0120" is asked for and answered "DEMO", so nothing beyond 20.
    EXPECT_EQ(supported, QStringList({"01", "03", "04", "05", "06", "07", "0C", "0D", "0E", "0F",
                                      "10", "11", "12", "13", "15", "1C", "20"}));
    EXPECT_TRUE(checkEcuConnection(m_exchange));
}

TEST_F(SimulatedVehicle, ConnectionReadsOfServicesOneAndTwo) {
    Service01 service01;
    service01.readStatus(m_exchange);
    EXPECT_TRUE(service01.monitorStatus().milOn);
    EXPECT_EQ(service01.monitorStatus().troubleCodeCount, 9);
    EXPECT_EQ(service01.obdType(), QStringLiteral("OBD II (California ARB)"));
    EXPECT_TRUE(isSupported(service01.supportedPids(), QStringLiteral("15")));

    Service02 service02;
    EXPECT_TRUE(service02.readSupported(m_exchange));
    QStringList frame;
    for (int pid = 1; pid <= 0x50; ++pid)
        if (service02.supportedPids()[size_t(pid - 1)])
            frame << QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper();
    EXPECT_EQ(frame, QStringList({"02", "03", "04", "05", "06", "07", "0C", "0D"}));
}

TEST_F(SimulatedVehicle, VehicleInformation) {
    Service09 service09;
    service09.readVehicleInfo(m_exchange);
    EXPECT_EQ(service09.vinMessageCount(), 5);
    EXPECT_EQ(service09.vin(), QStringLiteral("1G1JC5444R7252367"));
    EXPECT_EQ(service09.calibrationIds(), QStringList({"1131533479060002", "0325451332060004"}));
    EXPECT_EQ(service09.calibrationVerificationNumbers(), QStringList({"AE6D46B4", "0000771D"}));
}

TEST_F(SimulatedVehicle, LiveValues) {
    Service01 service01;
    auto value = [&](const char* pid, bool english = false) {
        return service01.pidValue(m_exchange, QStringLiteral("01"), QString::fromLatin1(pid),
                                  english);
    };
    EXPECT_EQ(value("03"), QStringLiteral("closed loop"));
    EXPECT_EQ(value("04"), QStringLiteral("0.0"));
    EXPECT_EQ(value("05"), QStringLiteral("40"));
    EXPECT_EQ(value("05", true), QStringLiteral("104"));
    EXPECT_EQ(value("06"), QStringLiteral("-3.9")); // (123 - 128) * 100 / 128
    EXPECT_EQ(value("09"), std::nullopt);           // 7F 01 12
    EXPECT_EQ(value("0D"), QStringLiteral("0"));
    EXPECT_EQ(value("0E"), QStringLiteral("10.5"));
    EXPECT_EQ(value("0F"), QStringLiteral("18"));
    EXPECT_EQ(value("10"), QStringLiteral("0.00"));
    EXPECT_EQ(value("12"), std::nullopt);
    EXPECT_EQ(value("13"), QStringLiteral("O2 location 1-1, O2 location 1-2"));
    EXPECT_EQ(value("14"), QStringLiteral("0.035 V, trim: 0.0 %"));
    EXPECT_EQ(value("15"), QStringLiteral("0.040 V"));
    EXPECT_EQ(value("1C"), QStringLiteral("OBD II (California ARB)"));
    EXPECT_EQ(value("1F"), std::nullopt); // "DEMO"
    const QStringList speeds = {" 1123", " 2246", " 3369", " 4492", " 5615", " 6738"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(speeds.contains(value("0C")));
    }
}

TEST_F(SimulatedVehicle, TroubleCodesFreezeFrameAndOxygenSensors) {
    EXPECT_EQ(Service03().storedCodes(m_exchange),
              QStringList({"P0125", "P0736", "P0455", "P1107", "P1299", "P1198", "B1491", "B1992",
                           "B2427"}));
    EXPECT_EQ(Service07().pendingCodes(m_exchange), QStringList({"P0125", "P0736", "P0455"}));
    // The frame was stored with the first stored code.
    EXPECT_EQ(Service02().freezeFrameCode(m_exchange), QStringList{"P0125"});
    EXPECT_EQ(Service02().freezeFrameValue(m_exchange, "02", "05", false, "00"), "40");
    const QList<O2SensorLocation> sensors = o2SensorLocations(m_exchange).value();
    ASSERT_EQ(sensors.size(), 2);
    EXPECT_EQ(sensors[0].text, QStringLiteral("O2 location 1-1"));
    EXPECT_EQ(sensors[1].mask, 2);
}

} // namespace
