#include "tools/elmsim/drive_profile.h"

#include "tools/elmsim/vehicle_profile.h"

#include <algorithm>
#include <cmath>

namespace {

class DrivingProfile : public VehicleProfile {
public:
    DrivingProfile(std::unique_ptr<VehicleProfile> vehicle, const DriveSettings& settings,
                   DriveClock now)
        : m_vehicle(std::move(vehicle)), m_settings(settings), m_now(std::move(now)) {}

    QString answer(const QString& request) override {
        if (request != QLatin1String("010D"))
            return m_vehicle->answer(request);
        return QStringLiteral("41 0D %1").arg(speedNow(), 2, 16, QLatin1Char('0')).toUpper();
    }

private:
    int speedNow() {
        if (m_standing < m_settings.standingRequests) {
            ++m_standing;
            return 0;
        }
        const auto now = m_now();
        if (!m_driving) {
            m_driving = true;
            m_start = now;
        }
        const double t = std::chrono::duration<double>(now - m_start).count();
        const double T = m_settings.accelSeconds;
        if (t >= T + DriveSettings::kCruiseSeconds) {
            // Stopped again: the next run begins with the vehicle standing.
            m_driving = false;
            m_standing = 1;
            return 0;
        }
        const double v = DriveSettings::kTopSpeed * std::sqrt(std::min(t, T) / T);
        // Rolling from the first request on, so that a stopwatch started at the first speed
        // above zero starts with the curve.
        return std::clamp(int(std::floor(v)), 1, 255);
    }

    std::unique_ptr<VehicleProfile> m_vehicle;
    DriveSettings m_settings;
    DriveClock m_now;
    int m_standing = 0;
    bool m_driving = false;
    std::chrono::steady_clock::time_point m_start{};
};

} // namespace

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
    if (!now)
        now = [] { return std::chrono::steady_clock::now(); };
    return std::make_unique<DrivingProfile>(std::move(vehicle), settings, std::move(now));
}

std::unique_ptr<VehicleProfile> makeVehicleProfile(const QString& name,
                                                   const DriveSettings& drive) {
    const bool driveProfile = name == QLatin1String("drive");
    std::unique_ptr<VehicleProfile> vehicle =
        makeVehicleProfile(driveProfile ? QStringLiteral("demo") : name);
    if (vehicle == nullptr || !(driveProfile || drive.enabled))
        return vehicle;
    return makeDrivingProfile(std::move(vehicle), drive);
}
