#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

class VehicleProfile;

// A vehicle that drives off, so that an acceleration test runs end to end: it stands for a
// number of speed requests (service 01, PID 0D), then speeds up from 0 to 130 km/h along
// v(t) = 130 x sqrt(t / T) (T the acceleration time, in wall-clock seconds from the first
// request after standing; at least 1 km/h from that request on), holds 130 km/h for a few seconds,
// stops, and stands again. Everything but the speed is the vehicle it drives (the demo vehicle for
// the profile "drive").
struct DriveSettings {
    static constexpr double kTopSpeed = 130.0;
    static constexpr double kCruiseSeconds = 3.0;

    bool enabled = false;
    int standingRequests = 20;
    double accelSeconds = 8.0;
};

// The options --accel-seconds S (more than 0, fractions allowed; also makes the full profile
// drive) and --stand-requests N. True when args[i] is one of them (i then stands on its value);
// a bad value leaves a message in problem.
bool driveOption(const QStringList& args, qsizetype& i, DriveSettings& settings, QString& problem);

// The seconds the curve takes from standing to the given speed in km/h.
double secondsToReach(double kmh, const DriveSettings& settings);

using DriveClock = std::function<std::chrono::steady_clock::time_point()>;

// The speed along that curve. Only speed requests move it on: they count the standing ones and
// start the run; a look at the speed in between (for the values that follow it) changes nothing.
class DriveCurve {
public:
    enum class Phase { Standing, Accelerating, Cruising };

    DriveCurve(const DriveSettings& settings, DriveClock now);

    // The answer to a speed request, "41 0D XX".
    QString speedAnswer();
    // The speed now in km/h, and what the vehicle is doing.
    double speed() const;
    Phase phase() const;

private:
    int speedRequested();
    double secondsDriving() const;
    // At t seconds after the run started.
    Phase phaseAt(double t) const;
    double speedAt(double t) const;

    DriveSettings m_settings;
    DriveClock m_now;
    int m_standing = 0;
    bool m_driving = false;
    std::chrono::steady_clock::time_point m_start{};
};

// The vehicle given, driving as the settings say; the clock is injectable for tests.
std::unique_ptr<VehicleProfile> makeDrivingProfile(std::unique_ptr<VehicleProfile> vehicle,
                                                   const DriveSettings& settings,
                                                   DriveClock now = {});

// The vehicle of the named profile ("demo", "full", "modern", "diesel", "drive": the demo vehicle
// driving), driving when the settings say so; nullptr for an unknown name.
std::unique_ptr<VehicleProfile> makeVehicleProfile(const QString& name, const DriveSettings& drive);
