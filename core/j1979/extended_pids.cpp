#include "core/j1979/extended_pids.h"

#include "core/j1979/display_number.h"

#include <algorithm>

#include <QHash>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>

namespace extended_pids {

namespace {

using enum Shape;

// Conversion constants; miles, psi and lb/min as the PIDs up to 4E convert them.
constexpr double kmPerMile = 1.609;
constexpr double psiPerKpa = 0.1450377;
constexpr double poundsPerMinutePerGramPerSecond = 0.1322774;
constexpr double litresPerGallon = 3.785411784;
constexpr double poundFeetPerNm = 0.7375621;

constexpr Unit percent{"%", "%", Conversion::None};
constexpr Unit celsius{"°C", "°F", Conversion::CelsiusToFahrenheit};
constexpr Unit kpa{"kPa", "psi", Conversion::KpaToPsi};
constexpr Unit pascal{"Pa", "Pa", Conversion::None};
constexpr Unit gramsPerSecond{"g/s", "lb/min", Conversion::GramsPerSecondToPoundsPerMinute};
constexpr Unit litresPerHour{"L/h", "gal/h", Conversion::LitresToGallons};
constexpr Unit newtonMetres{"Nm", "lb·ft", Conversion::NmToPoundFeet};
constexpr Unit kilometres{"km", "miles", Conversion::KmToMiles};
constexpr Unit rpm{"rpm", "rpm", Conversion::None};
constexpr Unit seconds{"s", "s", Conversion::None};
constexpr Unit volts{"V", "V", Conversion::None};
constexpr Unit amps{"A", "A", Conversion::None};
constexpr Unit milliamps{"mA", "mA", Conversion::None};
constexpr Unit ratio{"ratio", "ratio", Conversion::None};
constexpr Unit degrees{"°", "°", Conversion::None};
constexpr Unit ppm{"ppm", "ppm", Conversion::None};
constexpr Unit kgPerHour{"kg/h", "kg/h", Conversion::None};
constexpr Unit mgPerStroke{"mg/stroke", "mg/stroke", Conversion::None};
constexpr Unit mgPerCubicMetre{"mg/m³", "mg/m³", Conversion::None};
constexpr Unit counts{"counts", "counts", Conversion::None};

constexpr CodeText fuelTypes[] = {
    {0, "Not available"},
    {1, "Gasoline"},
    {2, "Methanol"},
    {3, "Ethanol"},
    {4, "Diesel"},
    {5, "LPG"},
    {6, "CNG"},
    {7, "Propane"},
    {8, "Electric"},
    {9, "Bifuel running gasoline"},
    {10, "Bifuel running methanol"},
    {11, "Bifuel running ethanol"},
    {12, "Bifuel running LPG"},
    {13, "Bifuel running CNG"},
    {14, "Bifuel running propane"},
    {15, "Bifuel running electricity"},
    {16, "Bifuel running electric and combustion engine"},
    {17, "Hybrid gasoline"},
    {18, "Hybrid ethanol"},
    {19, "Hybrid diesel"},
    {20, "Hybrid electric"},
    {21, "Hybrid running electric and combustion engine"},
    {22, "Hybrid regenerative"},
    {23, "Bifuel running diesel"},
};
constexpr CodeText emissionRequirements[] = {
    {0x0E, "Heavy duty vehicles (EURO IV) B1"},
    {0x0F, "Heavy duty vehicles (EURO V) B2"},
    {0x10, "Heavy duty vehicles (EURO EEV) C"},
};
constexpr CodeText inactiveActive[] = {{0, "Inactive"}, {1, "Active"}};
constexpr CodeText parkDrive[] = {{0, "Park or neutral"}, {1, "Drive or reverse"}};
constexpr CodeText neutralInGear[] = {{0, "Neutral or clutch in"}, {1, "In gear"}};
constexpr CodeText offOn[] = {{0, "Off"}, {1, "On"}};
constexpr CodeText noYes[] = {{0, "No"}, {1, "Yes"}};
// A hybrid either holds its battery's charge or draws it down (a plug-in on electric drive).
constexpr CodeText chargeModes[] = {{0, "Charge sustaining"}, {1, "Charge depleting"}};

constexpr int always = -1;

// One row gives a PID one or more sub-values that share a shape: the n-th name takes availability
// bit firstBit + n / valuesPerBit (none with always) and the bytes after those of name n - 1; a
// Bit row reads bit + n of firstByte instead. With valuesPerBit 2 one bit of byte A announces two
// values in a row (the two timers of an emission control device). A PID's rows stand together, in
// the order of its sub-values. Names, units and texts are plain English until they move into the
// translation catalogues.
struct Row {
    int pid;
    int byteCount;
    int firstBit;
    int firstByte;
    Shape shape;
    double scale;
    double offset;
    const Unit* unit;
    double graphMin;
    double graphMax;
    bool polled;
    std::array<const char*, 6> names;
    int bit = 0;
    std::span<const CodeText> texts = {};
    int valuesPerBit = 1;
};

constexpr double per255 = 100.0 / 255.0;
constexpr double per128 = 100.0 / 128.0;
constexpr double wideTemperatureMax = 6513.5;

// clang-format off
const Row rows[] = {
    // pid bytes bit byte shape       scale    offset unit         min      max      polled names
    {0x4F, 4, always, 0, Byte,        1,       0,    &ratio,       0,       255,     false, {"Maximum fuel-air equivalence ratio"}},
    {0x4F, 4, always, 1, Byte,        1,       0,    &volts,       0,       255,     false, {"Maximum oxygen sensor voltage"}},
    {0x4F, 4, always, 2, Byte,        1,       0,    &milliamps,   0,       255,     false, {"Maximum oxygen sensor current"}},
    {0x4F, 4, always, 3, Byte,        10,      0,    &kpa,         0,       2550,    false, {"Maximum intake manifold absolute pressure"}},
    {0x50, 4, always, 0, Byte,        10,      0,    &gramsPerSecond, 0,    2550,    false, {"Maximum mass air flow rate"}},
    {0x51, 1, always, 0, Enumerated,  0,       0,    nullptr,      0,       0,       true, {"Fuel type"}, 0, fuelTypes},
    {0x52, 1, always, 0, Byte,        per255,  0,    &percent,     0,       100,     true,  {"Ethanol fuel"}},
    {0x53, 2, always, 0, Word,        0.005,   0,    &kpa,         0,       327.675, true,  {"Absolute evaporative system vapour pressure"}},
    {0x54, 2, always, 0, SignedWord,  1,       0,    &pascal,      -32768,  32767,   true,  {"Evaporative system vapour pressure"}},
    {0x55, 2, always, 0, Byte,        per128,  -100, &percent,     -100,    99.2,    true,  {"Short term secondary oxygen sensor trim bank 1", "Short term secondary oxygen sensor trim bank 3"}},
    {0x56, 2, always, 0, Byte,        per128,  -100, &percent,     -100,    99.2,    true,  {"Long term secondary oxygen sensor trim bank 1", "Long term secondary oxygen sensor trim bank 3"}},
    {0x57, 2, always, 0, Byte,        per128,  -100, &percent,     -100,    99.2,    true,  {"Short term secondary oxygen sensor trim bank 2", "Short term secondary oxygen sensor trim bank 4"}},
    {0x58, 2, always, 0, Byte,        per128,  -100, &percent,     -100,    99.2,    true,  {"Long term secondary oxygen sensor trim bank 2", "Long term secondary oxygen sensor trim bank 4"}},
    {0x59, 2, always, 0, Word,        10,      0,    &kpa,         0,       655350,  true,  {"Fuel rail absolute pressure"}},
    {0x5A, 1, always, 0, Byte,        per255,  0,    &percent,     0,       100,     true,  {"Relative accelerator pedal position"}},
    {0x5B, 1, always, 0, Byte,        per255,  0,    &percent,     0,       100,     true, {"Hybrid battery pack remaining life"}},
    {0x5C, 1, always, 0, Byte,        1,       -40,  &celsius,     -40,     210,     true,  {"Engine oil temperature"}},
    {0x5D, 2, always, 0, Word,        1.0/128, -210, &degrees,     -210,    301.992, true,  {"Fuel injection timing"}},
    {0x5E, 2, always, 0, Word,        0.05,    0,    &litresPerHour, 0,     3276.75, true,  {"Engine fuel rate"}},
    {0x5F, 1, always, 0, Enumerated,  0,       0,    nullptr,      0,       0,       false, {"Emission requirements"}, 0, emissionRequirements},

    // Torque
    {0x61, 1, always, 0, Byte,        1,       -125, &percent,     -125,    130,     true,  {"Driver's demand engine torque"}},
    {0x62, 1, always, 0, Byte,        1,       -125, &percent,     -125,    130,     true,  {"Actual engine torque"}},
    {0x63, 2, always, 0, Word,        1,       0,    &newtonMetres, 0,      65535,   false, {"Engine reference torque"}},
    {0x64, 5, always, 0, Byte,        1,       -125, &percent,     -125,    130,     false, {"Engine torque at idle", "Engine torque at point 1", "Engine torque at point 2", "Engine torque at point 3", "Engine torque at point 4"}},
    {0x65, 2, 0,      1, Bit,         0,       0,    nullptr,      0,       0,       true,  {"Power take-off"}, 0, inactiveActive},
    {0x65, 2, 1,      1, Bit,         0,       0,    nullptr,      0,       0,       true,  {"Automatic transmission range"}, 1, parkDrive},
    {0x65, 2, 2,      1, Bit,         0,       0,    nullptr,      0,       0,       true,  {"Manual transmission gear"}, 2, neutralInGear},
    {0x65, 2, 3,      1, Bit,         0,       0,    nullptr,      0,       0,       true,  {"Glow plug lamp"}, 3, offOn},

    // Sensors and actuators with a sub-value per bit of byte A
    {0x66, 5, 0, 1, Word,   1.0/32,  0,    &gramsPerSecond, 0,  2047.97, true, {"Mass air flow sensor A", "Mass air flow sensor B"}},
    {0x67, 3, 0, 1, Byte,   1,       -40,  &celsius, -40,  215,     true, {"Engine coolant temperature sensor 1", "Engine coolant temperature sensor 2"}},
    {0x68, 7, 0, 1, Byte,   1,       -40,  &celsius, -40,  215,     true, {"Intake air temperature bank 1 sensor 1", "Intake air temperature bank 1 sensor 2", "Intake air temperature bank 1 sensor 3", "Intake air temperature bank 2 sensor 1", "Intake air temperature bank 2 sensor 2", "Intake air temperature bank 2 sensor 3"}},
    {0x69, 7, 0, 1, Byte,   per255,  0,    &percent, 0,    100,     true, {"Commanded EGR A", "Actual EGR A"}},
    {0x69, 7, 2, 3, Byte,   per128,  -100, &percent, -100, 99.2,    true, {"EGR A error"}},
    {0x69, 7, 3, 4, Byte,   per255,  0,    &percent, 0,    100,     true, {"Commanded EGR B", "Actual EGR B"}},
    {0x69, 7, 5, 6, Byte,   per128,  -100, &percent, -100, 99.2,    true, {"EGR B error"}},
    {0x6A, 5, 0, 1, Byte,   per255,  0,    &percent, 0,    100,     true, {"Commanded intake air flow A", "Relative intake air flow A position", "Commanded intake air flow B", "Relative intake air flow B position"}},
    {0x6B, 5, 0, 1, Byte,   1,       -40,  &celsius, -40,  215,     true, {"EGR temperature bank 1 sensor 1", "EGR temperature bank 1 sensor 2", "EGR temperature bank 2 sensor 1", "EGR temperature bank 2 sensor 2"}},
    {0x6C, 5, 0, 1, Byte,   per255,  0,    &percent, 0,    100,     true, {"Commanded throttle actuator A", "Relative throttle A position", "Commanded throttle actuator B", "Relative throttle B position"}},
    {0x6D, 11, 0, 1, Word,  10,      0,    &kpa,     0,    655350,  true, {"Commanded fuel rail pressure A", "Fuel rail pressure A"}},
    {0x6D, 11, 2, 5, Byte,  1,       -40,  &celsius, -40,  215,     true, {"Fuel rail temperature A"}},
    {0x6D, 11, 3, 6, Word,  10,      0,    &kpa,     0,    655350,  true, {"Commanded fuel rail pressure B", "Fuel rail pressure B"}},
    {0x6D, 11, 5, 10, Byte, 1,       -40,  &celsius, -40,  215,     true, {"Fuel rail temperature B"}},
    {0x6E, 9, 0, 1, Word,   10,      0,    &kpa,     0,    655350,  true, {"Commanded injection control pressure A", "Injection control pressure A", "Commanded injection control pressure B", "Injection control pressure B"}},

    // Charging
    {0x6F, 3, 0, 1, Byte,   1,       0,    &kpa,     0,    255,     true, {"Turbocharger compressor inlet pressure A", "Turbocharger compressor inlet pressure B"}},
    {0x70, 10, 0, 1, Word,  1.0/32,  0,    &kpa,     0,    2047.97, true, {"Commanded boost pressure A", "Boost pressure A", "Commanded boost pressure B", "Boost pressure B"}},
    {0x71, 6, 0, 1, Byte,   per255,  0,    &percent, 0,    100,     true, {"Commanded variable geometry turbo A position", "Variable geometry turbo A position", "Commanded variable geometry turbo B position", "Variable geometry turbo B position"}},
    {0x72, 5, 0, 1, Byte,   per255,  0,    &percent, 0,    100,     true, {"Commanded wastegate A position", "Wastegate A position", "Commanded wastegate B position", "Wastegate B position"}},
    {0x73, 5, 0, 1, Word,   0.01,    0,    &kpa,     0,    655.35,  true, {"Exhaust pressure bank 1", "Exhaust pressure bank 2"}},
    {0x74, 5, 0, 1, Word,   10,      0,    &rpm,     0,    655350,  true, {"Turbocharger A speed", "Turbocharger B speed"}},
    {0x75, 7, 0, 1, Byte,   1,       -40,  &celsius, -40,  215,     true, {"Turbocharger A compressor inlet temperature", "Turbocharger A compressor outlet temperature"}},
    {0x75, 7, 2, 3, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Turbocharger A turbine inlet temperature", "Turbocharger A turbine outlet temperature"}},
    {0x76, 7, 0, 1, Byte,   1,       -40,  &celsius, -40,  215,     true, {"Turbocharger B compressor inlet temperature", "Turbocharger B compressor outlet temperature"}},
    {0x76, 7, 2, 3, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Turbocharger B turbine inlet temperature", "Turbocharger B turbine outlet temperature"}},
    {0x77, 5, 0, 1, Byte,   1,       -40,  &celsius, -40,  215,     true, {"Charge air cooler temperature bank 1 sensor 1", "Charge air cooler temperature bank 1 sensor 2", "Charge air cooler temperature bank 2 sensor 1", "Charge air cooler temperature bank 2 sensor 2"}},

    // Exhaust aftertreatment
    {0x78, 9, 0, 1, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Exhaust gas temperature bank 1 sensor 1", "Exhaust gas temperature bank 1 sensor 2", "Exhaust gas temperature bank 1 sensor 3", "Exhaust gas temperature bank 1 sensor 4"}},
    {0x79, 9, 0, 1, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Exhaust gas temperature bank 2 sensor 1", "Exhaust gas temperature bank 2 sensor 2", "Exhaust gas temperature bank 2 sensor 3", "Exhaust gas temperature bank 2 sensor 4"}},
    {0x7A, 7, 0, 1, SignedWord, 0.01, 0,   &kpa,     -327.68, 327.67, true, {"Particulate filter bank 1 pressure difference"}},
    {0x7A, 7, 1, 3, Word,   0.01,    0,    &kpa,     0,    655.35,  true, {"Particulate filter bank 1 inlet pressure", "Particulate filter bank 1 outlet pressure"}},
    {0x7B, 7, 0, 1, SignedWord, 0.01, 0,   &kpa,     -327.68, 327.67, true, {"Particulate filter bank 2 pressure difference"}},
    {0x7B, 7, 1, 3, Word,   0.01,    0,    &kpa,     0,    655.35,  true, {"Particulate filter bank 2 inlet pressure", "Particulate filter bank 2 outlet pressure"}},
    {0x7C, 9, 0, 1, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Particulate filter bank 1 inlet temperature", "Particulate filter bank 1 outlet temperature", "Particulate filter bank 2 inlet temperature", "Particulate filter bank 2 outlet temperature"}},
    {0x7D, 1, always, 0, Bit, 0,     0,    nullptr,  0,    0,       true, {"Inside NOx control area", "Outside NOx control area", "Inside manufacturer NOx carve-out area", "NOx control area deficiency"}, 0, noYes},
    {0x7E, 1, always, 0, Bit, 0,     0,    nullptr,  0,    0,       true, {"Inside particulate control area", "Outside particulate control area", "Inside manufacturer particulate carve-out area", "Particulate control area deficiency"}, 0, noYes},
    {0x7F, 13, 0, 1, Long,  1,       0,    &seconds, 0,    4294967295.0, false, {"Total engine run time", "Total idle run time", "Total run time with power take-off active"}},
    // Five emission control devices a PID: byte A says which the engine has; each has two timers
    {0x81, 41, 0, 1,  Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 1 run time (timer 1)", "Emission control device 1 run time (timer 2)", "Emission control device 2 run time (timer 1)", "Emission control device 2 run time (timer 2)", "Emission control device 3 run time (timer 1)", "Emission control device 3 run time (timer 2)"}, 0, {}, 2},
    {0x81, 41, 3, 25, Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 4 run time (timer 1)", "Emission control device 4 run time (timer 2)", "Emission control device 5 run time (timer 1)", "Emission control device 5 run time (timer 2)"}, 0, {}, 2},
    {0x82, 41, 0, 1,  Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 6 run time (timer 1)", "Emission control device 6 run time (timer 2)", "Emission control device 7 run time (timer 1)", "Emission control device 7 run time (timer 2)", "Emission control device 8 run time (timer 1)", "Emission control device 8 run time (timer 2)"}, 0, {}, 2},
    {0x82, 41, 3, 25, Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 9 run time (timer 1)", "Emission control device 9 run time (timer 2)", "Emission control device 10 run time (timer 1)", "Emission control device 10 run time (timer 2)"}, 0, {}, 2},
    {0x83, 9, 0, 1, Word,   1,       0,    &ppm,     0,    65535,   true, {"NOx concentration bank 1 sensor 1", "NOx concentration bank 2 sensor 1"}},
    {0x84, 1, always, 0, Byte, 1,    -40,  &celsius, -40,  215,     true, {"Manifold surface temperature"}},
    {0x85, 10, 0, 1, Word,  0.005,   0,    &litresPerHour, 0, 327.675, true, {"Average reagent consumption", "Average demanded reagent consumption"}},
    {0x85, 10, 2, 5, Byte,  per255,  0,    &percent, 0,    100,     true, {"Reagent tank level"}},
    {0x86, 5, 0, 1, Word,   0.0125,  0,    &mgPerCubicMetre, 0, 819.1875, true, {"Particulate matter bank 1 sensor 1", "Particulate matter bank 2 sensor 1"}},
    {0x87, 5, 0, 1, Word,   1.0/32,  0,    &kpa,     0,    2047.97, true, {"Intake manifold absolute pressure A", "Intake manifold absolute pressure B"}},
    {0x88, 13, always, 0, Raw, 0,    0,    nullptr,  0,    0,       false, {"SCR inducement system (raw)"}},
    {0x89, 41, 0, 1,  Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 11 run time (timer 1)", "Emission control device 11 run time (timer 2)", "Emission control device 12 run time (timer 1)", "Emission control device 12 run time (timer 2)", "Emission control device 13 run time (timer 1)", "Emission control device 13 run time (timer 2)"}, 0, {}, 2},
    {0x89, 41, 3, 25, Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 14 run time (timer 1)", "Emission control device 14 run time (timer 2)", "Emission control device 15 run time (timer 1)", "Emission control device 15 run time (timer 2)"}, 0, {}, 2},
    {0x8A, 41, 0, 1,  Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 16 run time (timer 1)", "Emission control device 16 run time (timer 2)", "Emission control device 17 run time (timer 1)", "Emission control device 17 run time (timer 2)", "Emission control device 18 run time (timer 1)", "Emission control device 18 run time (timer 2)"}, 0, {}, 2},
    {0x8A, 41, 3, 25, Long,   1,       0,    &seconds, 0,    4294967295.0, false, {"Emission control device 19 run time (timer 1)", "Emission control device 19 run time (timer 2)", "Emission control device 20 run time (timer 1)", "Emission control device 20 run time (timer 2)"}, 0, {}, 2},
    {0x8B, 7, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"Diesel aftertreatment status (raw)"}},
    {0x8C, 17, always, 0, Raw, 0,    0,    nullptr,  0,    0,       false, {"Wide range oxygen sensors (raw)"}},
    {0x8D, 1, always, 0, Byte, per255, 0,  &percent, 0,    100,     true, {"Throttle position G"}},
    {0x8E, 1, always, 0, Byte, 1,    -125, &percent, -125, 130,     true, {"Engine friction torque"}},
    {0x8F, 7, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"Particulate matter sensors bank 1 and 2 (raw)"}},
    {0x90, 3, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"WWH-OBD vehicle information (raw)"}},
    {0x91, 5, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"WWH-OBD control unit information (raw)"}},
    {0x92, 2, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"Fuel system control (raw)"}},
    {0x93, 3, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"WWH-OBD counters (raw)"}},
    {0x94, 12, always, 0, Raw, 0,    0,    nullptr,  0,    0,       false, {"NOx warning and inducement system (raw)"}},
    {0x98, 9, 0, 1, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Exhaust gas temperature bank 1 sensor 5", "Exhaust gas temperature bank 1 sensor 6", "Exhaust gas temperature bank 1 sensor 7", "Exhaust gas temperature bank 1 sensor 8"}},
    {0x99, 9, 0, 1, Word,   0.1,     -40,  &celsius, -40,  wideTemperatureMax, true, {"Exhaust gas temperature bank 2 sensor 5", "Exhaust gas temperature bank 2 sensor 6", "Exhaust gas temperature bank 2 sensor 7", "Exhaust gas temperature bank 2 sensor 8"}},
    {0x9A, 6, 0, 1, Bit,    0,       0,    nullptr,  0,    0,       true, {"Hybrid charging mode"}, 0, chargeModes},
    {0x9A, 6, 1, 2, Word,   1.0/64,  0,    &volts,   0,    1023.984, true, {"Hybrid battery pack voltage"}},
    {0x9A, 6, 2, 4, SignedWord, 0.1, 0,    &amps,    -3276.8, 3276.7, true, {"Hybrid battery pack current"}},
    // Byte A holds the kind of fluid the sensor finds, in codes of no published list.
    {0x9B, 4, always, 1, Byte, 0.25, 0,    &percent, 0,    63.75,   true, {"Diesel exhaust fluid concentration"}},
    {0x9B, 4, always, 2, Byte, 1,    -40,  &celsius, -40,  215,     true, {"Diesel exhaust fluid tank temperature"}},
    {0x9B, 4, always, 3, Byte, per255, 0,  &percent, 0,    100,     true, {"Diesel exhaust fluid sensor tank level"}},
    {0x9C, 17, always, 0, Raw, 0,    0,    nullptr,  0,    0,       false, {"Oxygen sensor data (raw)"}},
    {0x9D, 4, always, 0, Word, 0.02, 0,    &gramsPerSecond, 0, 1310.7, true, {"Engine fuel mass rate", "Vehicle fuel mass rate"}},
    {0x9E, 2, always, 0, Word, 0.2,  0,    &kgPerHour, 0,  13107,   true, {"Engine exhaust flow rate"}},
    {0x9F, 9, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"Fuel system percentage use (raw)"}},

    // Since 2019
    {0xA1, 9, 0, 1, Word,   1,       0,    &ppm,     0,    65535,   true, {"Corrected NOx concentration bank 1 sensor 1", "Corrected NOx concentration bank 2 sensor 1"}},
    {0xA2, 2, always, 0, Word, 1.0/32, 0,  &mgPerStroke, 0, 2047.97, true, {"Cylinder fuel rate"}},
    {0xA3, 9, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"Evaporative system vapour pressures (raw)"}},
    {0xA4, 4, 0, 1, HighNibble, 0,   0,    nullptr,  0,    0,       true, {"Transmission gear"}},
    {0xA4, 4, 1, 2, Word,   0.001,   0,    &ratio,   0,    65.535,  true, {"Transmission gear ratio"}},
    {0xA5, 4, 0, 1, Byte,   0.5,     0,    &percent, 0,    127.5,   true, {"Commanded diesel exhaust fluid dosing"}},
    {0xA6, 4, always, 0, Long, 0.1,  0,    &kilometres, 0, 429496729.5, true, {"Odometer"}},
    {0xA7, 4, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"NOx sensors 3 and 4 (raw)"}},
    {0xA8, 4, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"NOx sensors 3 and 4 corrected (raw)"}},
    {0xA9, 4, 0, 1, Bit,    0,       0,    nullptr,  0,    0,       true, {"ABS disable switch"}, 0, offOn},
    {0xC3, 2, always, 0, Raw,  0,    0,    nullptr,  0,    0,       false, {"Fuel level inputs A and B (raw)"}},
    {0xC4, 8, always, 0, Long, 1,    0,    &seconds, 0,    4294967295.0, false, {"Particulate control diagnostic time"}},
    {0xC4, 8, always, 4, Long, 1,    0,    &counts,  0,    4294967295.0, false, {"Particulate control diagnostic count"}},
};
// clang-format on

int shapeWidth(Shape shape) {
    switch (shape) {
    case Word:
    case SignedWord:
        return 2;
    case Long:
        return 4;
    default:
        return 1;
    }
}

QList<PidDescription> buildDescriptions() {
    QList<PidDescription> list;
    for (const Row& row : rows) {
        if (list.isEmpty() || list.last().pid != row.pid) {
            list.append({row.pid, row.byteCount, {}});
        }
        int n = 0;
        for (const char* name : row.names) {
            if (name == nullptr) {
                break;
            }
            const bool bitRow = row.shape == Bit;
            list.last().subValues.append(
                {name, row.shape, row.firstByte + (bitRow ? 0 : n * shapeWidth(row.shape)),
                 row.bit + (bitRow ? n : 0), row.scale, row.offset, row.unit, row.graphMin,
                 row.graphMax, row.polled,
                 row.firstBit == always ? always : row.firstBit + n / row.valuesPerBit, row.texts});
            ++n;
        }
    }
    return list;
}

double toEnglish(Conversion conversion, double metric) {
    switch (conversion) {
    case Conversion::None:
        return metric;
    case Conversion::CelsiusToFahrenheit:
        return metric * 9.0 / 5.0 + 32.0;
    case Conversion::KpaToPsi:
        return metric * psiPerKpa;
    case Conversion::KmToMiles:
        return metric / kmPerMile;
    case Conversion::LitresToGallons:
        return metric / litresPerGallon;
    case Conversion::NmToPoundFeet:
        return metric * poundFeetPerNm;
    case Conversion::GramsPerSecondToPoundsPerMinute:
        return metric * poundsPerMinutePerGramPerSecond;
    }
    return metric;
}

constexpr const char* neutralText = "Neutral";
constexpr const char* unknownText = "Unknown (%1)";

QString codeText(std::span<const CodeText> texts, int code) {
    for (const CodeText& entry : texts) {
        if (entry.code == code) {
            return translated(entry.text);
        }
    }
    return translated(unknownText)
        .arg(QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')));
}

// The translations of the run, replaced whole by the translation pass; a worker decoding at that
// moment keeps the table it took.
using TextTable = QHash<QByteArray, QString>;
std::mutex translationMutex;
std::shared_ptr<const TextTable> translations = std::make_shared<const TextTable>();

std::shared_ptr<const TextTable> currentTranslations() {
    const std::lock_guard lock(translationMutex);
    return translations;
}

// Every English literal a sub-value can show.
QList<const char*> allTexts() {
    QList<const char*> texts{neutralText, unknownText};
    for (const Row& row : rows) {
        for (const char* name : row.names) {
            if (name != nullptr) {
                texts << name;
            }
        }
        for (const CodeText& entry : row.texts) {
            texts << entry.text;
        }
        if (row.unit != nullptr) {
            texts << row.unit->metric << row.unit->english;
        }
    }
    return texts;
}

int metricDecimals(const SubValue& sub) {
    if (sub.scale >= 1 && std::floor(sub.scale) == sub.scale &&
        std::floor(sub.offset) == sub.offset) {
        return 0;
    }
    if (sub.scale >= 0.1) {
        return 1;
    }
    return sub.scale >= 0.01 ? 2 : 3;
}

// A converted value needs at least the resolution of the unit it came from.
int decimals(const SubValue& sub, bool english) {
    const int metric = metricDecimals(sub);
    if (!english || sub.unit == nullptr) {
        return metric;
    }
    switch (sub.unit->conversion) {
    case Conversion::None:
    case Conversion::CelsiusToFahrenheit:
    case Conversion::KmToMiles:
        return metric;
    case Conversion::KpaToPsi:
        return std::clamp(metric + 1, 1, 3);
    case Conversion::NmToPoundFeet:
        return std::max(metric, 1);
    case Conversion::LitresToGallons:
    case Conversion::GramsPerSecondToPoundsPerMinute:
        return std::max(metric, 2);
    }
    return metric;
}

// Only called once the sub-value's bytes are known to be there.
std::variant<double, QString> valueOf(const SubValue& sub, QByteArrayView bytes, bool english) {
    auto at = [&](int n) { return quint32(quint8(bytes[n])); };
    double raw = 0;
    switch (sub.shape) {
    case Byte:
        raw = at(0);
        break;
    case Word:
        raw = (at(0) << 8) | at(1);
        break;
    case SignedWord:
        raw = qint16(quint16((at(0) << 8) | at(1)));
        break;
    case Long:
        raw = (at(0) << 24) | (at(1) << 16) | (at(2) << 8) | at(3);
        break;
    case HighNibble: {
        const quint32 gear = at(0) >> 4;
        return gear == 0 ? translated(neutralText) : QString::number(gear);
    }
    case Bit:
        return codeText(sub.texts, int((at(0) >> sub.bit) & 1));
    case Enumerated:
        return codeText(sub.texts, int(at(0)));
    case Raw:
        return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
    }
    const double metric = raw * sub.scale + sub.offset;
    return english && sub.unit != nullptr ? toEnglish(sub.unit->conversion, metric) : metric;
}

} // namespace

int SubValue::width(int pidByteCount) const {
    return shape == Raw ? pidByteCount - firstByte : shapeWidth(shape);
}

const QList<PidDescription>& descriptions() {
    static const QList<PidDescription> list = buildDescriptions();
    return list;
}

const PidDescription* describe(int pid) {
    for (const PidDescription& description : descriptions()) {
        if (description.pid == pid) {
            return &description;
        }
    }
    return nullptr;
}

QList<SubValueResult> decode(int pid, QByteArrayView data, bool english) {
    QList<SubValueResult> results;
    const PidDescription* description = describe(pid);
    if (description == nullptr) {
        return results;
    }
    for (const SubValue& sub : description->subValues) {
        SubValueResult result;
        const qsizetype end = sub.firstByte + sub.width(description->byteCount);
        if (sub.availabilityBit != always && !data.isEmpty() &&
            ((quint8(data[0]) >> sub.availabilityBit) & 1) == 0) {
            result.reading = Reading::NotPresent;
        } else if (data.size() >= end) {
            result.reading = Reading::Value;
            result.value = valueOf(sub, data.sliced(sub.firstByte, end - sub.firstByte), english);
        }
        results.append(result);
    }
    return results;
}

QString displayText(const SubValue& sub, const std::variant<double, QString>& value, bool english) {
    if (const QString* text = std::get_if<QString>(&value)) {
        return *text;
    }
    const QByteArray conversion = "%." + QByteArray::number(decimals(sub, english)) + 'f';
    return display_number::format(conversion.constData(), std::get<double>(value));
}

QString unitText(const SubValue& sub, bool english) {
    if (sub.unit == nullptr) {
        return {};
    }
    return translated(english ? sub.unit->english : sub.unit->metric);
}

void setTranslation(const std::function<QString(const char*)>& translate) {
    auto table = std::make_shared<TextTable>();
    for (const char* text : allTexts()) {
        const QString translation = translate(text);
        if (translation != QString::fromUtf8(text)) {
            table->insert(QByteArray(text), translation);
        }
    }
    const std::lock_guard lock(translationMutex);
    translations = std::move(table);
}

QString translated(const char* text) {
    const std::shared_ptr<const TextTable> table = currentTranslations();
    const auto found = table->constFind(QByteArray::fromRawData(text, qsizetype(qstrlen(text))));
    return found != table->cend() ? found.value() : QString::fromUtf8(text);
}

} // namespace extended_pids
