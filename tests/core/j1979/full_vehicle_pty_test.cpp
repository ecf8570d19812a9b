// The service readers over the real serial path: the program's channel on a pseudo-terminal, the
// emulated interface with the "full" vehicle (an engine and a transmission unit) behind it.

#include "core/j1979/service_objects.h"
#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "locale_guard.h"
#include "tools/elmsim/pty_elm.h"

#include "tests/support/qt_printers.h"
#include "tests/support/recording_notifier.h"
#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

class FullVehicle : public testing::Test {
protected:
    void SetUp() override {
        PtyElm::Config config;
        config.profile = QStringLiteral("full");
        m_elm = std::make_unique<PtyElm>(config);
        m_elm->start();
        m_port.setPortName(m_elm->slavePath());
        m_port.open();
        ASSERT_EQ(elmEcho(m_link, false), QStringLiteral("OK"));
    }

    LocaleGuard m_locale{englishLocale()};
    std::unique_ptr<PtyElm> m_elm;
    SerialPort m_port;
    ElmExchange m_link{&m_port};
};

TEST_F(FullVehicle, FirstUnitCountsWhenTwoAnswer) {
    Service01 service01;
    service01.readStatus(m_link);
    // The engine unit announces the second and third blocks; the transmission unit does not.
    EXPECT_TRUE(isSupported(service01.supportedPids(), QStringLiteral("21")));
    EXPECT_TRUE(isSupported(service01.supportedPids(), QStringLiteral("4D")));
    EXPECT_TRUE(service01.monitorStatus().milOn);
    EXPECT_EQ(service01.monitorStatus().troubleCodeCount, 3);
    EXPECT_EQ(service01.obdType(), QStringLiteral("EOBD"));
    EXPECT_EQ(service01.pidValue(m_link, "01", "05", false), QStringLiteral("50"));
}

TEST_F(FullVehicle, FreezeFrameCodeAndValues) {
    Service02 service02;
    service02.readSupported(m_link);
    QStringList supported;
    for (int pid = 1; pid <= 0x50; ++pid) {
        if (service02.supportedPids()[size_t(pid - 1)]) {
            supported << QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    EXPECT_EQ(supported, QStringList({"02", "03", "04", "05", "06", "07", "0C", "0D", "11"}));
    EXPECT_EQ(service02.freezeFrameCode(m_link), QStringList({"P0133"}));
    auto value = [&](const char* pid, bool english = false) {
        return service02.freezeFrameValue(m_link, "02", QString::fromLatin1(pid), english, "00");
    };
    EXPECT_EQ(value("03"), QStringLiteral("closed loop"));
    EXPECT_EQ(value("04"), QStringLiteral("50.2"));
    EXPECT_EQ(value("05"), QStringLiteral("83"));
    EXPECT_EQ(value("05", true), QStringLiteral("181"));
    EXPECT_EQ(value("06"), QStringLiteral("12.5"));
    EXPECT_EQ(value("07"), QStringLiteral("-1.6")); // -200 / 128
    EXPECT_EQ(value("0C"), QStringLiteral(" 1726"));
    EXPECT_EQ(value("0D"), QStringLiteral("50"));
    EXPECT_EQ(value("0D", true), QStringLiteral(" 31"));
    EXPECT_EQ(value("11"), QStringLiteral("20.0"));
    EXPECT_EQ(value("0E"), std::nullopt); // not in the frame
}

TEST_F(FullVehicle, AllTenOxygenSensorTestsOfSensorOne) {
    const QList<O2SensorLocation> sensors = o2SensorLocations(m_link).value();
    ASSERT_EQ(sensors.size(), 2);
    const auto results = Service05().readO2SensorTests(m_link, sensors[0].mask);
    const char* const expected[10][3] = {
        {"0.450", "0.000", "0.000"}, {"0.450", "0.000", "0.000"}, {"0.300", "0.000", "0.000"},
        {"0.600", "0.000", "0.000"}, {"0.100", "0.000", "0.200"}, {"0.120", "0.000", "0.200"},
        {"0.100", "0.000", "0.200"}, {"0.900", "0.800", "1.275"}, {"1.00", "0.40", "2.00"},
        {"1.40", "0.40", "3.20"},
    };
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(results[size_t(k)].status, QStringLiteral("1"));
        EXPECT_EQ(results[size_t(k)].value, QString::fromLatin1(expected[k][0]));
        EXPECT_EQ(results[size_t(k)].minimum, QString::fromLatin1(expected[k][1]));
        EXPECT_EQ(results[size_t(k)].maximum, QString::fromLatin1(expected[k][2]));
    }
    const auto second = Service05().readO2SensorTests(m_link, sensors[1].mask);
    EXPECT_EQ(second[4].value, QStringLiteral("0.108"));
    const auto absent = Service05().readO2SensorTests(m_link, 0x04);
    EXPECT_EQ(absent[0].status, QStringLiteral("0"));
}

TEST_F(FullVehicle, ClearingThenReadingAgain) {
    // The engine's codes, then the transmission's.
    EXPECT_EQ(Service03().storedCodes(m_link), QStringList({"P0133", "P0171", "P0300", "P0700"}));
    EXPECT_EQ(Service07().pendingCodes(m_link), QStringList({"P0171", "P0715"}));

    RecordingNotifier notifier;
    EXPECT_TRUE(clearTroubleCodes(m_link, notifier));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(notifier.messages.front().text,
              QStringLiteral("Trouble codes cleared successfully. Permanent trouble codes stay "
                             "until the monitors that set them have run and passed."));

    EXPECT_EQ(Service03().storedCodes(m_link), QStringList());
    EXPECT_EQ(Service07().pendingCodes(m_link), QStringList());
    const MonitorStatus status = readMonitorStatus(m_link);
    EXPECT_TRUE(status.answered);
    EXPECT_FALSE(status.milOn);
    EXPECT_EQ(status.troubleCodeCount, 0);
    EXPECT_EQ(Service02().freezeFrameCode(m_link), QStringList());
}

// The emulator program itself, as a developer starts it to try the program without a car.
TEST(FullVehicleProgram, AnswersForTwoUnitsAndTheNewServices) {
    QProcess elmsim;
    elmsim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/elmsim"),
                 {QStringLiteral("--profile"), QStringLiteral("full")});
    ASSERT_TRUE(elmsim.waitForStarted());
    ASSERT_TRUE(elmsim.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(elmsim.readLine()).trimmed();

    SerialPort port;
    port.setPortName(device);
    port.open();
    ElmExchange link(&port);
    EXPECT_EQ(elmEcho(link, false), QStringLiteral("OK"));
    EXPECT_EQ(link.exchange(QStringLiteral("0100")), QStringLiteral("4100BE1FB8134100981800"
                                                                    "00"));
    EXPECT_EQ(Service02().freezeFrameCode(link), QStringList({"P0133"}));
    EXPECT_EQ(link.exchange(QStringLiteral("050A01")), QStringLiteral("450A01230A50"));
    port.close();

    elmsim.terminate();
    ASSERT_TRUE(elmsim.waitForFinished(5000));
    EXPECT_EQ(elmsim.exitCode(), 0);
}

} // namespace
