#pragma once

#include <QString>
#include <array>

// What the program knows about one service 01 parameter, independent of any vehicle.
struct PidInfo {
    int pidNumber = 0;     // 1..78 (01..4E)
    QString pidCode;       // two upper-case hexadecimal digits, e.g. "0C"
    QString name;          // in the language of the run, at most 127 characters
    QString metricUnit;    // at most 10 characters
    QString englishUnit;   // at most 10 characters
    double graphMin = 0.0; // value range of the graph axes
    double graphMax = 0.0;
    QString valueText; // last decoded value; "0" after preparation
    bool liveSensor = false;
    // Owned by the live-data pages: set from the vehicle's supported set and the sensor choice.
    bool supported = false;
    bool monitored = false;
};

// PIDs 01..4E occupy entries 0..77; the last two entries stay empty.
inline constexpr int CatalogueSize = 80;
inline constexpr int CataloguePidCount = 78;
using PidCatalogue = std::array<PidInfo, CatalogueSize>;

// Two tables of identical content: the live-data pages build their sensors from the first, the
// freeze-frame page walks the second. Written only on the ui thread at start-up.
extern PidCatalogue sensorCatalogue;
extern PidCatalogue freezeFrameCatalogue;

// Sets number, code, value text, flags and the live-sensor marks of both tables; run once when the
// settings are loaded.
void prepareCatalogues();

// Copies the (by then translated) names and unit texts of the string table, and the graph ranges,
// into sensorCatalogue, then names and units into freezeFrameCatalogue. Run once per run, right
// after the string table has been translated.
void refreshCatalogueTexts();
