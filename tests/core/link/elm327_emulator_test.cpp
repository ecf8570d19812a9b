// The emulated ELM327 byte for byte: what its clients send at start, and the CAN layouts.

#include "core/j1979/extended_pids.h"
#include "core/j1979/pid_decoder.h"
#include "core/link/can_answer.h"
#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/modern_profile.h"
#include "tools/elmsim/vehicle_profile.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct Elm327 {
    std::unique_ptr<VehicleProfile> vehicle = makeVehicleProfile(QStringLiteral("demo"));
    Elm327Emulator chip;

    explicit Elm327(Elm327Emulator::Settings settings = {})
        : chip(*vehicle, ElmEmulator::Options{}, settings) {}
    explicit Elm327(std::unique_ptr<VehicleProfile> car, Elm327Emulator::Settings settings = {})
        : vehicle(std::move(car)), chip(*vehicle, ElmEmulator::Options{}, settings) {}

    // The chip's output to one command line.
    QByteArray say(const char* command) {
        QByteArray out;
        for (const ElmEmulator::Output& piece : chip.feed(QByteArray(command) + '\r'))
            out += piece.bytes;
        return out;
    }
};

TEST(Elm327Emulator, StartCommandsOfTheClients) {
    Elm327 elm;
    EXPECT_EQ(elm.say("ATZ"), "ATZ\r\rELM327 v1.5\r\r>");
    EXPECT_EQ(elm.say("ATE0"), "ATE0\rOK\r\r>");
    EXPECT_EQ(elm.say("ATL1"), "OK\r\n\r\n>");
    EXPECT_EQ(elm.say("ATL0"), "OK\r\r>");
    EXPECT_EQ(elm.say("ATI"), "ELM327 v1.5\r\r>");
    EXPECT_EQ(elm.say("AT@1"), "OBDII to RS232 Interpreter\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A0\r\r>");
    EXPECT_EQ(elm.say("ATDP"), "AUTO\r\r>");
    for (const char* ok : {"ATM0", "ATCAF1", "ATAT1", "ATST32", "ATH0", "ATS1", "ATSP0", "ATTP6"})
        EXPECT_EQ(elm.say(ok), "OK\r\r>") << ok;
    EXPECT_EQ(elm.say("ATRV"), "12.6V\r\r>");
    EXPECT_EQ(elm.say("ATXYZ"), "?\r\r>");
    EXPECT_EQ(elm.say("ATSP Z"), "?\r\r>");
    // A warm start brings echo back, as ATZ does.
    EXPECT_EQ(elm.say("ATWS"), "\rELM327 v1.5\r\r>");
    EXPECT_EQ(elm.say("ATI"), "ATI\rELM327 v1.5\r\r>");
}

TEST(Elm327Emulator, AutomaticSearchSaysSoOnceAndThenNamesTheProtocol) {
    Elm327 elm;
    elm.say("ATE0");
    EXPECT_EQ(elm.say("0100"), "SEARCHING...\r41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(elm.say("0100"), "41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A6\r\r>");
    EXPECT_EQ(elm.say("ATDP"), "AUTO, ISO 15765-4 (CAN 11/500)\r\r>");
    EXPECT_EQ(elm.say("ATSP3"), "OK\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "3\r\r>");
    EXPECT_EQ(elm.say("0100"), "UNABLE TO CONNECT\r\r>");
    EXPECT_EQ(elm.say("0901"), "UNABLE TO CONNECT\r\r>");
}

TEST(Elm327Emulator, HeadersSpacesAndNumberedFrames) {
    Elm327 elm;
    elm.say("ATE0");
    elm.say("0100"); // the search
    EXPECT_EQ(elm.say("0902"), "014\r0: 49 02 01 31 47 31\r1: 4A 43 35 34 34 34 52\r"
                               "2: 37 32 35 32 33 36 37\r\r>");
    EXPECT_EQ(elm.say("0901"), "NO DATA\r\r>"); // CAN vehicles give no message counts
    EXPECT_EQ(elm.say("0900"), "49 00 55 40 00 00\r\r>");
    elm.say("ATH1");
    EXPECT_EQ(elm.say("07"), "7E8 10 08 47 03 01 25 07 36\r7E8 21 04 55 AA AA AA AA AA\r\r>");
    elm.say("ATS0");
    EXPECT_EQ(elm.say("04"), "7E80144\r\r>");
    elm.say("ATH0");
    EXPECT_EQ(elm.say("0902"), "014\r0:490201314731\r1:4A433534343452\r2:37323532333637\r\r>");
    // ATD brings back the chip's defaults.
    elm.say("ATD");
    EXPECT_EQ(elm.say("0100"), "0100\r41 00 BE 1F E8 11\r\r>");
}

TEST(Elm327Emulator, SecondUnitAnd29BitHeaders) {
    Elm327Emulator::Settings settings;
    settings.protocol = 7;
    settings.headers = true;
    settings.secondUnit = true;
    Elm327 elm(settings);
    elm.say("ATE0");
    EXPECT_EQ(elm.say("0100"), "SEARCHING...\r18 DA F1 10 06 41 00 BE 1F E8 11\r"
                               "18 DA F1 18 06 41 00 98 18 00 00\r\r>");
    // The engine's nine codes in a long message, the transmission's own one in a single frame.
    EXPECT_EQ(elm.say("03"), "18 DA F1 10 10 14 43 09 01 25 07 36\r"
                             "18 DA F1 10 21 04 55 11 07 12 99 11\r"
                             "18 DA F1 10 22 98 94 91 99 92 A4 27\r"
                             "18 DA F1 18 04 43 01 07 00\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A7\r\r>");
}

TEST(Elm327Emulator, IsoProtocolAnswersAsTheElm323Does) {
    Elm327Emulator::Settings settings;
    settings.protocol = 3;
    Elm327 elm(settings);
    elm.say("ATE0");
    EXPECT_EQ(elm.say("0100"), "SEARCHING...\r41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(elm.say("07"), "47 01 25 07 36 04 55\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A3\r\r>");
}

// The CAN cars of about 2018, per profile: what they must support beyond the first blocks, and
// the code behind their freeze frame.
struct ModernCar {
    ModernEngine engine;
    QList<int> required;
    const char* fuelType; // PID 51
    const char* freezeCode;
};

const ModernCar modernCars[] = {
    {ModernEngine::Petrol,
     {0x0C, 0x0D, 0x51, 0x5C, 0x5E, 0x61, 0x62, 0x63, 0x67, 0x68, 0x6B, 0x70, 0x74, 0xA4, 0xA6},
     "01",
     "02 99"},
    {ModernEngine::Diesel,
     {0x0C, 0x0D, 0x51, 0x5C, 0x5E, 0x61, 0x62, 0x63, 0x67, 0x68, 0x6B, 0x70,
      0x74, 0xA4, 0xA6, 0x78, 0x7A, 0x7B, 0x7C, 0x83, 0x85, 0x9B, 0x9D},
     "04",
     "20 02"},
};

QByteArray bytesOf(const QString& spaced) {
    return QByteArray::fromHex(spaced.toLatin1());
}

// The supported PIDs of a service (01, or 02 with frame 00) as a tester walks them: block by
// block for as long as the last bit announces the next one; the blocks asked go to `blocks`.
QList<int> walkSupported(VehicleProfile& car, const QString& service, QList<int>& blocks) {
    const QString frame = service == QLatin1String("02") ? QStringLiteral("00") : QString();
    const int header = frame.isEmpty() ? 2 : 3;
    QList<int> pids;
    for (int block = 0; block <= 0xE0; block += 0x20) {
        blocks << block;
        const QByteArray answer = bytesOf(car.answer(
            service + QStringLiteral("%1").arg(block, 2, 16, QChar('0')).toUpper() + frame));
        if (answer.size() != header + 4)
            break;
        const quint32 bits = quint32(quint8(answer[header])) << 24 |
                             quint32(quint8(answer[header + 1])) << 16 |
                             quint32(quint8(answer[header + 2])) << 8 | quint8(answer[header + 3]);
        for (int n = 1; n < 0x20; ++n)
            if (bits & (1u << (0x20 - n)))
                pids << block + n;
        if (!(bits & 1u))
            break;
    }
    return pids;
}

// Every announced PID answers with the bytes its definition has, and no other PID answers, in
// service 01 and in the freeze frame; the walk stops at A0, which does not announce C0.
TEST(ModernProfiles, AnnouncedPidsAnswerWithTheirByteCountsAndNoOthers) {
    for (const ModernCar& car : modernCars) {
        auto vehicle = makeModernProfile(car.engine, DriveSettings{});
        for (const QString& service : {QStringLiteral("01"), QStringLiteral("02")}) {
            const QString frame = service == QLatin1String("02") ? QStringLiteral("00") : QString();
            const std::string shown =
                std::to_string(int(car.engine)) + " service " + service.toStdString();
            QList<int> blocks;
            const QList<int> supported = walkSupported(*vehicle, service, blocks);
            EXPECT_EQ(blocks, QList<int>({0x00, 0x20, 0x40, 0x60, 0x80, 0xA0})) << shown;
            for (int pid : car.required)
                EXPECT_TRUE(supported.contains(pid)) << shown << " PID " << pid;
            for (int pid = 1; pid <= 0xFF; ++pid) {
                if (pid % 0x20 == 0)
                    continue;
                const QString request =
                    service + QStringLiteral("%1").arg(pid, 2, 16, QChar('0')).toUpper() + frame;
                const QByteArray answer = bytesOf(vehicle->answer(request));
                if (!supported.contains(pid)) {
                    EXPECT_TRUE(answer.isEmpty()) << shown << " PID " << pid;
                    continue;
                }
                // The new PIDs as long as the program's decoder reads them; the older ones with
                // at least the bytes it reads.
                const extended_pids::PidDescription* extended = extended_pids::describe(pid);
                const int header = 2 + int(frame.size() / 2);
                if (extended != nullptr)
                    EXPECT_EQ(answer.size(), header + extended->byteCount)
                        << shown << " PID " << pid;
                else
                    EXPECT_GE(answer.size(), header + pid_decoder::dataByteCount(pid))
                        << shown << " PID " << pid;
            }
            EXPECT_EQ(vehicle->answer(service + QStringLiteral("C0") + frame), QString()) << shown;
        }
        EXPECT_EQ(vehicle->answer("0151"), QStringLiteral("41 51 ") + car.fuelType);
        EXPECT_EQ(vehicle->answer("020200"), QStringLiteral("42 02 00 ") + car.freezeCode);
        EXPECT_TRUE(vehicle->answer("03").contains(car.freezeCode));
        EXPECT_EQ(vehicle->answer("04"), "44");
        EXPECT_EQ(vehicle->answer("020200"), "42 02 00 00 00");
        EXPECT_EQ(vehicle->answer("026800"), QString());
    }
}

// Answers longer than a single frame come as a first frame and consecutive frames, which the
// program's reader puts together again: intake air temperatures (7 data bytes), run times (13).
TEST(ModernProfiles, LongAnswersComeAsNumberedFramesAndReassemble) {
    for (const char* request : {"0168", "017F", "026800", "027F00", "0178"}) {
        Elm327 elm(makeModernProfile(ModernEngine::Diesel, DriveSettings{},
                                     [] { return std::chrono::steady_clock::time_point{}; }));
        elm.say("ATE0");
        const QString direct = elm.vehicle->answer(QString::fromLatin1(request));
        const QByteArray out = elm.say(request);
        EXPECT_TRUE(out.startsWith("SEARCHING...\r0")) << request << out.constData();
        EXPECT_EQ(out.count("\r1: "), 1) << request << out.constData();
        EXPECT_EQ(can_answer::fromSerial(out), QString(direct).remove(' ')) << request;
    }
}

// The live values follow the drive: rpm and gear the speed, torque and fuel rate the load, the
// odometer the distance; the oil warms up. The diesel turns slower at the same speed.
TEST(ModernProfiles, ValuesFollowTheDrive) {
    auto now = std::chrono::steady_clock::time_point{};
    DriveSettings drive;
    drive.enabled = true;
    drive.standingRequests = 0;
    drive.accelSeconds = 8.0;
    QList<int> cruisingRpm;
    for (const ModernCar& car : modernCars) {
        auto vehicle = makeModernProfile(car.engine, drive, [&now] { return now; });
        const auto value = [&](const char* request, int first, int count = 1) {
            const QByteArray bytes = bytesOf(vehicle->answer(QString::fromLatin1(request)));
            qint64 v = 0;
            for (int n = 0; n < count; ++n)
                v = v << 8 | quint8(bytes.at(first + n));
            return v;
        };
        const qint64 idleTorque = value("0162", 2);
        const qint64 idleFuel = value("015E", 2, 2);
        const qint64 coldOil = value("015C", 2);
        const qint64 odometer = value("01A6", 2, 4);
        EXPECT_EQ(value("01A4", 3), 0x00); // neutral
        EXPECT_EQ(value("010D", 2), 1);    // the drive starts with this request
        now += std::chrono::seconds(4);
        EXPECT_GT(value("0162", 2), idleTorque);
        EXPECT_GT(value("015E", 2, 2), idleFuel);
        EXPECT_GE(value("01A4", 3), 0x30);
        now += std::chrono::seconds(5); // cruising at 130 km/h
        EXPECT_EQ(value("01A4", 3), 0x60);
        cruisingRpm << int(value("010C", 2, 2) / 4);
        EXPECT_GT(value("01A6", 2, 4), odometer);
        now += std::chrono::minutes(10);
        EXPECT_GT(value("015C", 2), coldOil + 30);
    }
    EXPECT_LT(cruisingRpm[1], cruisingRpm[0]);
}

} // namespace
