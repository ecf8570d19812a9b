#include "tools/elmsim/modern_profile.h"

#include "tools/elmsim/full_profile.h"
#include "tools/elmsim/sim_units.h"
#include "tools/elmsim/vehicle_profile.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

namespace {

// What the car does at one moment; every value it reports follows from this.
struct Moment {
    double speed = 0.0; // km/h
    bool accelerating = false;
    double runSeconds = 0.0;    // since the engine started (PID 1F)
    double odometer = 0.0;      // km
    double engineSeconds = 0.0; // in the engine's life (PID 7F)
    double idleSeconds = 0.0;
    bool fault = false; // the condition behind the stored code is there (the freeze frame)
};

struct Engine {
    bool diesel;
    double displacement; // litres
    double idleRpm;
    double finalDrive;
    std::array<double, 6> ratios;
    std::array<double, 5> upshiftSpeeds; // km/h, into gears 2 to 6
    double idleLoad;                     // %
    double accelerationLoad;
    double warmCoolant; // °C
    double warmOil;
    double referenceTorque; // Nm
    QList<int> service01;   // the data PIDs it supports; the bitmaps follow from them
    const char* storedCodes;
    const char* pendingCodes;
    const char* monitorStatus;
    const char* monitorStatusCleared;
    const char* driveCycleStatus = nullptr; // PID 41, for an engine that lists it
    const char* freezeCode;                 // PID 02 of the freeze frame
    const char* permanentCodes;             // service 0A: the freeze frame's code
    Moment start;                           // when elmsim starts
    Moment freeze;
};

// The PIDs both cars support beyond the first block's usual ones.
const QList<int> modernPids = {0x51, 0x5C, 0x5E, 0x61, 0x62, 0x63, 0x67,
                               0x68, 0x6B, 0x70, 0x74, 0x7F, 0xA4, 0xA6};

const Engine& engineOf(ModernEngine kind) {
    // Trouble codes as an ISO vehicle reports them; can_vehicle lays them out for CAN.
    static const Engine petrol{
        .diesel = false,
        .displacement = 1.5,
        .idleRpm = 700.0,
        .finalDrive = 3.2,
        .ratios = {4.044, 2.371, 1.556, 1.159, 0.852, 0.672},
        .upshiftSpeeds = {20, 40, 60, 85, 110},
        .idleLoad = 18.0,
        .accelerationLoad = 85.0,
        .warmCoolant = 90.0,
        .warmOil = 100.0,
        .referenceTorque = 250.0,
        .service01 = QList<int>{0x01, 0x03, 0x04, 0x05, 0x06, 0x07, 0x0B, 0x0C, 0x0D,
                                0x0E, 0x0F, 0x10, 0x11, 0x13, 0x14, 0x15, 0x1C, 0x1F,
                                0x21, 0x2F, 0x31, 0x33, 0x3C, 0x42, 0x46, 0x4D} +
                     modernPids,
        .storedCodes = "43 02 99 01 71 00 00",  // P0299, P0171
        .pendingCodes = "47 01 28 00 00 00 00", // P0128
        .monitorStatus = "41 01 82 07 65 00",   // the lamp on, two codes, spark ignition
        .monitorStatusCleared = "41 01 00 07 65 65",
        .freezeCode = "02 99",
        .permanentCodes = "4A 02 99 00 00 00 00",
        .start = {.odometer = 48213.7, .engineSeconds = 3855600.0, .idleSeconds = 771120.0},
        // Underboost at full load: the turbocharger falls short of the commanded pressure.
        .freeze = {.speed = 96.0,
                   .accelerating = true,
                   .runSeconds = 1385.0,
                   .odometer = 48170.4,
                   .engineSeconds = 3852200.0,
                   .idleSeconds = 770400.0,
                   .fault = true}};
    static const Engine diesel{
        .diesel = true,
        .displacement = 2.0,
        .idleRpm = 800.0,
        .finalDrive = 3.4,
        .ratios = {3.778, 2.045, 1.290, 0.926, 0.711, 0.574},
        .upshiftSpeeds = {15, 30, 50, 70, 90},
        .idleLoad = 15.0,
        .accelerationLoad = 75.0,
        .warmCoolant = 88.0,
        .warmOil = 95.0,
        .referenceTorque = 400.0,
        .service01 = QList<int>{0x01, 0x04, 0x05, 0x0B, 0x0C, 0x0D, 0x0F, 0x10, 0x1C,
                                0x1F, 0x21, 0x23, 0x2F, 0x31, 0x33, 0x41, 0x42, 0x46,
                                0x4D, 0x78, 0x7A, 0x7B, 0x7C, 0x83, 0x85, 0x9B, 0x9D} +
                     modernPids,
        .storedCodes = "43 20 02 04 01 00 00",  // P2002, P0401
        .pendingCodes = "47 24 63 00 00 00 00", // P2463
        // The lamp on, two codes, compression ignition; the NMHC catalyst and NOx monitors have
        // not run since the codes were cleared, nor boost pressure in this drive cycle.
        .monitorStatus = "41 01 82 0F EB 03",
        .monitorStatusCleared = "41 01 00 0F EB EB",
        .driveCycleStatus = "41 41 00 0F EB 0B",
        .freezeCode = "20 02",
        .permanentCodes = "4A 20 02 00 00 00 00",
        .start = {.odometer = 126512.3, .engineSeconds = 7106400.0, .idleSeconds = 1065960.0},
        // Particulate filter efficiency: too little pressure drop across it at cruising speed.
        .freeze = {.speed = 78.0,
                   .runSeconds = 2210.0,
                   .odometer = 126388.9,
                   .engineSeconds = 7097300.0,
                   .idleSeconds = 1064100.0,
                   .fault = true}};
    return kind == ModernEngine::Diesel ? diesel : petrol;
}

// The values that follow from the moment, in km/h, rpm, %, kPa, g/s, L/h and °C.
struct Values {
    Values(const Engine& e, const Moment& m) {
        gear = m.speed < 1.0 ? 0
                             : 1 + int(std::count_if(e.upshiftSpeeds.begin(), e.upshiftSpeeds.end(),
                                                     [&](double v) { return m.speed >= v; }));
        ratio = gear == 0 ? 0.0 : e.ratios[size_t(gear - 1)];
        constexpr double tyreMetres = 1.95;
        const double wheelRpm = m.speed / 3.6 / tyreMetres * 60.0;
        rpm = std::max(e.idleRpm, wheelRpm * ratio * e.finalDrive);
        load = m.accelerating ? e.accelerationLoad : e.idleLoad + 0.15 * m.speed;
        boostCommanded = e.diesel ? std::max(100.0, 75.0 + 1.6 * load) : std::max(30.0, load / 0.6);
        const bool underboost = m.fault && !e.diesel;
        intakePressure = underboost ? 0.75 * boostCommanded : boostCommanded;
        airflow = e.displacement * rpm / 120.0 * 1.2 * intakePressure / 100.0 * 0.9;
        const double airFuelRatio = e.diesel ? 65.0 - 0.55 * load : 14.7;
        fuelMass = airflow / airFuelRatio;
        fuelRate = fuelMass * 3600.0 / (e.diesel ? 835.0 : 745.0);
        const auto warming = [&](double warm, double from, double seconds) {
            return warm - (warm - from) * std::exp(-m.runSeconds / seconds);
        };
        coolant = warming(e.warmCoolant, 25.0, 240.0);
        oil = warming(e.warmOil, 22.0, 480.0);
        torque = 0.9 * load;
        turbineRpm = e.diesel ? 20000.0 + 1500.0 * (intakePressure - 100.0)
                              : 10000.0 + 1200.0 * (intakePressure - 30.0);
        chargeAir = 32.0 + std::max(0.0, intakePressure - 100.0) * 0.1;
        exhaust = 150.0 + 5.5 * load;
        const bool filterLeaks = m.fault && e.diesel;
        filterDrop = filterLeaks ? 0.1 : 0.3 + 0.06 * airflow;
    }

    int gear;
    double ratio, rpm, load, boostCommanded, intakePressure, airflow, fuelMass, fuelRate;
    double coolant, oil, torque, turbineRpm, chargeAir, exhaust, filterDrop;
};

// A field of an answer: its raw value, rounded and held in its width of bytes, high byte first.
struct Field {
    double raw;
    int width = 1;
};

QByteArray pack(std::initializer_list<Field> fields) {
    QByteArray bytes;
    for (const Field& field : fields) {
        const double max = std::ldexp(1.0, 8 * field.width) - 1.0;
        const auto value = quint64(std::llround(std::clamp(field.raw, 0.0, max)));
        for (int shift = 8 * (field.width - 1); shift >= 0; shift -= 8)
            bytes += char((value >> shift) & 0xFF);
    }
    return bytes;
}

// Temperatures in one byte (1 °C) and in two (0.1 °C), both from -40 °C.
double narrow(double celsius) {
    return celsius + 40.0;
}
double wide(double celsius) {
    return (celsius + 40.0) * 10.0;
}

// The data bytes of a PID (byte A first), as J1979 lays them out: byte A of the PIDs with several
// sensors says which of them the car has; absent ones read 0.
QByteArray pidData(const Engine& e, const Moment& m, int pid) {
    const Values v(e, m);
    switch (pid) {
    case 0x04:
        return pack({{v.load * 2.55}});
    case 0x05:
        return pack({{narrow(v.coolant)}});
    case 0x0B:
        return pack({{v.intakePressure}});
    case 0x0C:
        return pack({{v.rpm * 4.0, 2}});
    case 0x0D:
        return pack({{m.speed}});
    case 0x10:
        return pack({{v.airflow * 100.0, 2}});
    case 0x11:
        return pack({{(10.0 + 0.85 * v.load) * 2.55}});
    case 0x1F:
        return pack({{m.runSeconds, 2}});
    case 0x23: // fuel rail pressure, 10 kPa
        return pack({{3000.0 + 130.0 * v.load, 2}});
    case 0x51:
        return pack({{e.diesel ? 4.0 : 1.0}});
    case 0x5C:
        return pack({{narrow(v.oil)}});
    case 0x5E:
        return pack({{v.fuelRate / 0.05, 2}});
    case 0x61:
        return pack({{v.torque + (m.accelerating ? 4.0 : 0.0) + 125.0}});
    case 0x62:
        return pack({{v.torque + 125.0}});
    case 0x63:
        return pack({{e.referenceTorque, 2}});
    case 0x67: // the engine outlet and the radiator outlet
        return pack({{0x03}, {narrow(v.coolant)}, {narrow(v.coolant - 8.0)}});
    case 0x68: // bank 1 in front of and behind the charge-air cooler; the intake as PID 0F says
        return pack({{0x03}, {narrow(28.0)}, {narrow(v.chargeAir)}, {0}, {0}, {0}, {0}});
    case 0x6B:
        if (e.diesel) // in front of and behind the EGR cooler
            return pack({{0x03},
                         {narrow(std::min(215.0, 120.0 + 2.5 * v.load))},
                         {narrow(v.coolant + 15.0)},
                         {0},
                         {0}});
        return pack({{0x01}, {narrow(60.0 + 1.2 * v.load)}, {0}, {0}, {0}});
    case 0x70: // commanded and actual pressure A, the status of A: closed loop, or a fault
        return pack({{0x13},
                     {v.boostCommanded * 32.0, 2},
                     {v.intakePressure * 32.0, 2},
                     {0, 2},
                     {0, 2},
                     {m.fault && !e.diesel ? 3.0 : 2.0}});
    case 0x74:
        return pack({{0x01}, {v.turbineRpm / 10.0, 2}, {0, 2}});
    case 0x78: // in front of the oxidation catalyst, in front of and behind the filter
        return pack({{0x07},
                     {wide(v.exhaust), 2},
                     {wide(v.exhaust - 15.0), 2},
                     {wide(v.exhaust - 45.0), 2},
                     {0, 2}});
    case 0x7A: // the pressure drop across the filter only
        return pack({{0x01}, {v.filterDrop * 100.0, 2}, {0, 2}, {0, 2}});
    case 0x7B: // one filter: bank 2 has none of the sensors
        return pack({{0x00}, {0, 2}, {0, 2}, {0, 2}});
    case 0x7C:
        return pack(
            {{0x03}, {wide(v.exhaust - 15.0), 2}, {wide(v.exhaust - 45.0), 2}, {0, 2}, {0, 2}});
    case 0x7F: // total and idle run time
        return pack({{0x03}, {m.engineSeconds, 4}, {m.idleSeconds, 4}, {0, 4}});
    case 0x83: // in front of the SCR catalyst
        return pack({{0x01}, {60.0 + 5.0 * v.load, 2}, {0, 2}, {0, 2}, {0, 2}});
    case 0x85: // average and demanded consumption, the tank level; no inducement time
        return pack({{0x07},
                     {v.fuelRate * 0.035 / 0.005, 2},
                     {v.fuelRate * 0.035 / 0.005, 2},
                     {62.0 * 2.55},
                     {0, 4}});
    case 0x9B: // type and status byte, concentration (0.25 %), tank temperature, tank level
        return pack({{0x00}, {32.5 * 4.0}, {narrow(10.0)}, {62.0 * 2.55}});
    case 0x9D: // the engine's and the vehicle's fuel mass rate, 0.02 g/s
        return pack({{v.fuelMass / 0.02, 2}, {v.fuelMass / 0.02, 2}});
    case 0xA4:
        return pack({{0x03}, {v.gear * 16.0}, {v.ratio * 1000.0, 2}});
    case 0xA6:
        return pack({{m.odometer * 10.0, 4}});
    default:
        break;
    }
    // The values that stand still are the full vehicle's.
    const QString known =
        fullEngineAnswer(QStringLiteral("01%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper());
    return QByteArray::fromHex(known.toLatin1()).mid(2);
}

// The data bytes of a supported-PID request for the block starting at `block` (00, 20, ...):
// bit 7 of byte A is PID block + 1, bit 0 of byte D announces the next block, which the car
// answers only when a PID beyond it is supported. Empty for a block not announced.
QByteArray supportedBitmap(const QList<int>& pids, int block) {
    const int highest = pids.isEmpty() ? 0 : *std::max_element(pids.begin(), pids.end());
    if (block > 0 && highest <= block)
        return QByteArray();
    quint32 bits = highest > block + 0x20 ? 1u : 0u;
    for (int pid : pids)
        if (pid > block && pid < block + 0x20)
            bits |= 1u << (0x20 - (pid - block));
    return pack({{double(bits), 4}});
}

QString hexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

class ModernProfile : public VehicleProfile {
public:
    ModernProfile(ModernEngine kind, const DriveSettings& drive, DriveClock now)
        : m_engine(engineOf(kind)), m_now(std::move(now)), m_started(m_now()), m_last(m_started),
          m_moment(m_engine.start) {
        if (drive.enabled)
            m_curve.emplace(drive, m_now);
        // The freeze frame keeps the code, what the engine did (load, speeds, pressures,
        // temperatures) and every newer PID the car has.
        for (int pid : m_engine.service01) {
            const bool snapshot =
                pid >= 0x4F ||
                QList<int>{0x04, 0x05, 0x0B, 0x0C, 0x0D, 0x0F, 0x10, 0x11, 0x23}.contains(pid);
            if (snapshot)
                m_freezePids << pid;
        }
        m_freezePids.prepend(0x02);
    }

    QString answer(const QString& request) override {
        advance();
        if (request == QLatin1String("04")) {
            m_cleared = true;
            return QStringLiteral("44");
        }
        if (request == QLatin1String("03"))
            return m_cleared ? QStringLiteral("43 00 00 00 00 00 00")
                             : QString::fromLatin1(m_engine.storedCodes);
        if (request == QLatin1String("07"))
            return m_cleared ? QStringLiteral("47 00 00 00 00 00 00")
                             : QString::fromLatin1(m_engine.pendingCodes);
        // Clearing leaves the permanent code until its monitor has passed again.
        if (request == QLatin1String("0A"))
            return QString::fromLatin1(m_engine.permanentCodes);
        if (request.startsWith(QLatin1String("09")))
            return sim_units::modernEngineInfo(request, m_engine.diesel
                                                            ? sim_units::Ignition::Compression
                                                            : sim_units::Ignition::Spark);
        if (request.startsWith(QLatin1String("06")))
            return m_full->canAnswer(request);
        bool ok = false;
        const int pid = request.mid(2, 2).toInt(&ok, 16);
        if (!ok)
            return QString();
        if (request.size() == 4 && request.startsWith(QLatin1String("01")))
            return currentData(pid);
        if (request.size() == 6 && request.startsWith(QLatin1String("02")) &&
            request.endsWith(QLatin1String("00")))
            return freezeFrame(pid);
        return QString();
    }

private:
    // The odometer and run times count on from the previous request at the speed there is now.
    void advance() {
        const auto now = m_now();
        const double seconds = std::chrono::duration<double>(now - m_last).count();
        m_last = now;
        m_moment.speed = m_curve ? m_curve->speed() : 0.0;
        m_moment.accelerating = m_curve && m_curve->phase() == DriveCurve::Phase::Accelerating;
        m_moment.runSeconds = std::chrono::duration<double>(now - m_started).count();
        m_moment.odometer += m_moment.speed * seconds / 3600.0;
        m_moment.engineSeconds += seconds;
        if (m_moment.speed < 1.0)
            m_moment.idleSeconds += seconds;
    }

    QString currentData(int pid) {
        if (pid == 0x01)
            return QString::fromLatin1(m_cleared ? m_engine.monitorStatusCleared
                                                 : m_engine.monitorStatus);
        if (pid == 0x41 && m_engine.driveCycleStatus != nullptr)
            return QString::fromLatin1(m_engine.driveCycleStatus);
        if (pid == 0x0D && m_curve)
            return m_curve->speedAnswer();
        QByteArray data;
        if (pid % 0x20 == 0)
            data = supportedBitmap(m_engine.service01, pid);
        else if (m_engine.service01.contains(pid))
            data = pidData(m_engine, m_moment, pid);
        return data.isEmpty() ? QString() : hexText(pack({{0x41}, {double(pid)}}) + data);
    }

    // Frame 00 only. Clearing erases it; the unit then answers frame 00 with the code 0000 that
    // says no frame is stored, as the full vehicle does.
    QString freezeFrame(int pid) const {
        QByteArray data;
        if (m_cleared) {
            if (pid == 0x00 || pid == 0x02)
                data = QByteArray(pid == 0x00 ? 4 : 2, '\0');
        } else if (pid == 0x02) {
            data = QByteArray::fromHex(m_engine.freezeCode);
        } else if (pid % 0x20 == 0) {
            data = supportedBitmap(m_freezePids, pid);
        } else if (m_freezePids.contains(pid)) {
            data = pidData(m_engine, m_engine.freeze, pid);
        }
        return data.isEmpty() ? QString() : hexText(pack({{0x42}, {double(pid)}, {0x00}}) + data);
    }

    const Engine& m_engine;
    DriveClock m_now;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_last;
    Moment m_moment;
    std::optional<DriveCurve> m_curve;
    QList<int> m_freezePids;
    bool m_cleared = false;
    // Service 06 answers: the full vehicle's engine unit.
    std::unique_ptr<VehicleProfile> m_full = makeFullProfile();
};

} // namespace

std::optional<ModernEngine> modernEngine(const QString& profile) {
    if (profile == QLatin1String("modern"))
        return ModernEngine::Petrol;
    if (profile == QLatin1String("diesel"))
        return ModernEngine::Diesel;
    return std::nullopt;
}

std::unique_ptr<VehicleProfile> makeModernProfile(ModernEngine engine, const DriveSettings& drive,
                                                  DriveClock now) {
    if (!now)
        now = [] { return std::chrono::steady_clock::now(); };
    return std::make_unique<ModernProfile>(engine, drive, std::move(now));
}
