#include "tools/elmsim/drive_profile.h"

#include "tools/elmsim/modern_profile.h"
#include "tools/elmsim/vehicle_profile.h"

#include <algorithm>
#include <cmath>

namespace {

class DrivingProfile : public VehicleProfile {
public:
    DrivingProfile(std::unique_ptr<VehicleProfile> vehicle, const DriveSettings& settings,
                   DriveClock now)
        : m_vehicle(std::move(vehicle)), m_curve(settings, std::move(now)) {}

    QString answer(const QString& request) override {
        if (request != QLatin1String("010D"))
            return m_vehicle->answer(request);
        return m_curve.speedAnswer();
    }
    int unitOfLine(const QString& request, int line) override {
        return m_vehicle->unitOfLine(request, line);
    }

private:
    std::unique_ptr<VehicleProfile> m_vehicle;
    DriveCurve m_curve;
};

} // namespace

DriveCurve::DriveCurve(const DriveSettings& settings, DriveClock now)
    : m_settings(settings),
      m_now(now ? std::move(now) : [] { return std::chrono::steady_clock::now(); }) {}

QString DriveCurve::speedAnswer() {
    return QStringLiteral("41 0D %1").arg(speedRequested(), 2, 16, QLatin1Char('0')).toUpper();
}

int DriveCurve::speedRequested() {
    if (m_standing < m_settings.standingRequests) {
        ++m_standing;
        return 0;
    }
    if (!m_driving) {
        m_driving = true;
        m_start = m_now();
    }
    const double t = secondsDriving();
    if (phaseAt(t) == Phase::Standing) {
        // Stopped again: the next run begins with the vehicle standing.
        m_driving = false;
        m_standing = 1;
        return 0;
    }
    // Rolling from the first request on, so that a stopwatch started at the first speed
    // above zero starts with the curve.
    return std::clamp(int(std::floor(speedAt(t))), 1, 255);
}

double DriveCurve::secondsDriving() const {
    return std::chrono::duration<double>(m_now() - m_start).count();
}

DriveCurve::Phase DriveCurve::phaseAt(double t) const {
    if (!m_driving || t >= m_settings.accelSeconds + DriveSettings::kCruiseSeconds)
        return Phase::Standing;
    return t < m_settings.accelSeconds ? Phase::Accelerating : Phase::Cruising;
}

double DriveCurve::speedAt(double t) const {
    if (phaseAt(t) == Phase::Standing)
        return 0.0;
    const double T = m_settings.accelSeconds;
    return DriveSettings::kTopSpeed * std::sqrt(std::min(t, T) / T);
}

DriveCurve::Phase DriveCurve::phase() const {
    return phaseAt(secondsDriving());
}

double DriveCurve::speed() const {
    return speedAt(secondsDriving());
}

bool driveOption(const QStringList& args, qsizetype& i, DriveSettings& settings, QString& problem) {
    const QString& a = args.at(i);
    if (a == QLatin1String("--accel-seconds")) {
        bool ok = false;
        const double seconds = i + 1 < args.size() ? args.at(++i).toDouble(&ok) : 0.0;
        if (!ok || !(seconds > 0.0) || seconds > 3600.0)
            problem = QStringLiteral("--accel-seconds needs a number of seconds above 0");
        settings.accelSeconds = seconds;
        settings.enabled = true;
        return true;
    }
    if (a == QLatin1String("--stand-requests")) {
        bool ok = false;
        const int count = i + 1 < args.size() ? args.at(++i).toInt(&ok) : -1;
        if (!ok || count < 0)
            problem = QStringLiteral("--stand-requests needs a number of 0 or more");
        settings.standingRequests = count;
        return true;
    }
    return false;
}

double secondsToReach(double kmh, const DriveSettings& settings) {
    const double share = std::clamp(kmh / DriveSettings::kTopSpeed, 0.0, 1.0);
    return settings.accelSeconds * share * share;
}

std::unique_ptr<VehicleProfile> makeDrivingProfile(std::unique_ptr<VehicleProfile> vehicle,
                                                   const DriveSettings& settings, DriveClock now) {
    return std::make_unique<DrivingProfile>(std::move(vehicle), settings, std::move(now));
}

std::unique_ptr<VehicleProfile> makeVehicleProfile(const QString& name,
                                                   const DriveSettings& drive) {
    // The modern cars keep the drive themselves: their other values follow its speed.
    if (const auto engine = modernEngine(name))
        return makeModernProfile(*engine, drive);
    const bool driveProfile = name == QLatin1String("drive");
    std::unique_ptr<VehicleProfile> vehicle =
        makeVehicleProfile(driveProfile ? QStringLiteral("demo") : name);
    if (vehicle == nullptr || !(driveProfile || drive.enabled))
        return vehicle;
    return makeDrivingProfile(std::move(vehicle), drive);
}
