#pragma once

// The units the decoders give values in; stored under SystemOfMeasurements as its number, which
// is also its position in the options page's list.
enum class UnitSystem { Metric = 0, English = 1 };

inline bool isEnglish(UnitSystem units) {
    return units == UnitSystem::English;
}
