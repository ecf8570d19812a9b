#include "tools/elmsim/vehicle_profile.h"

#include "core/link/simulated_vehicle.h"
#include "tools/elmsim/full_profile.h"
#include "tools/elmsim/modern_profile.h"

namespace {

class DemoProfile : public VehicleProfile {
public:
    QString answer(const QString& request) override {
        if (!simulated_vehicle::knows(request))
            return QString();
        QString text = simulated_vehicle::answerNow(request);
        // The simulated table writes the engine speed packed; a chip prints bytes apart.
        if (request == QLatin1String("010C")) {
            QString spaced;
            for (qsizetype i = 0; i < text.size(); i += 2)
                spaced += (i ? QStringLiteral(" ") : QString()) + text.mid(i, 2);
            text = spaced;
        }
        return text;
    }
};

} // namespace

std::unique_ptr<VehicleProfile> makeVehicleProfile(const QString& name) {
    if (name == QLatin1String("demo"))
        return std::make_unique<DemoProfile>();
    if (name == QLatin1String("full"))
        return makeFullProfile();
    if (const auto engine = modernEngine(name))
        return makeModernProfile(*engine, DriveSettings{});
    return nullptr;
}
