#pragma once

#include "tools/elmsim/vehicle_profile.h"

#include <QString>
#include <memory>

// The simulated vehicle behind an interface that passes on whatever it gets: the engine speed
// answer carries a terminal title sequence, a screen clear and a C1 control, and the VIN and the
// first calibration ID hold control bytes. Everything else answers as the demo vehicle does.
class HostileVehicle : public VehicleProfile {
public:
    // What the window, the log and the command line show for the hostile parts.
    static QString shownEngineSpeed() {
        return QStringLiteral(R"(410C\x1B]0;owned\x07\x1B[2J\x9B)");
    }
    static QString shownVin() { return QStringLiteral(R"(1\x9B\x1BJC5444R7252367)"); }
    static QString shownFirstCalibrationId() { return QStringLiteral(R"(1131\x073347906000)"); }

    QString answer(const QString& request) override {
        if (request == QLatin1String("010C"))
            return QStringLiteral("41 0C \x1B]0;owned\x07\x1B[2J") + QChar(0x9B);
        if (request == QLatin1String("0902"))
            return QStringLiteral("49 02 01 00 00 00 31 49 02 02 9B 1B 4A 43 49 02 03 35 34 34 34 "
                                  "49 02 04 52 37 32 35 49 02 05 32 33 36 37");
        if (request == QLatin1String("0904"))
            return QStringLiteral("49 04 01 31 31 33 31 49 04 02 07 33 33 34 49 04 03 37 39 30 36 "
                                  "49 04 04 30 30 30 00");
        return m_demo->answer(request);
    }

private:
    std::unique_ptr<VehicleProfile> m_demo = makeVehicleProfile(QStringLiteral("demo"));
};

// The simulated vehicle behind an interface that cuts and garbles answers: the stored codes and
// the VIN end mid-way, every engine speed carries a digit that is no hexadecimal one. Everything
// else answers as the demo vehicle does.
class GarblingVehicle : public VehicleProfile {
public:
    QString answer(const QString& request) override {
        if (request == QLatin1String("03"))
            return QStringLiteral("43 01 33 01 71");
        if (request == QLatin1String("0902"))
            return QStringLiteral("49 02 01 00 00 00 31 49 02 02 47 31 4A 43 49 02 03 35 34");
        if (request == QLatin1String("010C"))
            return QStringLiteral("41 0C 1A Z8");
        return m_demo->answer(request);
    }

private:
    std::unique_ptr<VehicleProfile> m_demo = makeVehicleProfile(QStringLiteral("demo"));
};
