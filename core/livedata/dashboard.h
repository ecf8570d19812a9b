#pragma once

#include <QString>
#include <array>
#include <atomic>

// The dashboard's four values. The polling worker writes the texts (the ui thread reads them in
// the hand-off); the enabled flags are also switched by the dashboard's check boxes while the
// worker runs, hence atomic.
struct DashboardValues {
    enum Gauge { VehicleSpeed = 0, EngineSpeed = 1, CoolantTemperature = 2, Load = 3 };

    struct Entry {
        QString valueText = QStringLiteral("0");
        std::atomic<bool> enabled{true};
    };
    std::array<Entry, 4> entries;

    Entry& operator[](Gauge gauge) { return entries[std::size_t(gauge)]; }
    const Entry& operator[](Gauge gauge) const { return entries[std::size_t(gauge)]; }
};
