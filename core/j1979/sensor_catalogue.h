#pragma once

#include "core/j1979/pid_value.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

class SupportedPidSet;

// What one value of a service 01 parameter is, independent of any vehicle and of any run. Most
// PIDs carry one value; those above 4E that carry several (two coolant sensors, four exhaust-gas
// temperatures) have an entry per value, each a sensor of its own.
struct PidInfo {
    int pidNumber = 0;         // 01..C4
    int subValue = 0;          // which value of the PID's answer; 0 for the first or only one
    int presenceBit = -1;      // the bit of byte A that says the vehicle has the value; -1: always
    bool oneOfSeveral = false; // the PID's answer carries further values
    QString pidCode;           // two upper-case hexadecimal digits, e.g. "0C": what is asked for
    QString name;              // in the language of the run, at most 127 characters
    QString metricUnit;        // at most 10 characters
    QString englishUnit;       // at most 10 characters
    double graphMin = 0.0;     // value range of the graph axes
    double graphMax = 0.0;
    bool liveSensor = false;
    bool unitInValue = false; // the value text writes its unit itself (the O2 sensor voltages)

    // The unit of the quantity, as a graph axis or a column heading names it.
    const QString& unit(bool english) const { return english ? englishUnit : metricUnit; }
    // One number for the sensor, for whoever passes sensors between threads: the PID number for
    // the first value, plus 256 for each value further on.
    int key() const { return pidNumber + 256 * subValue; }
    // The sensor's own code, as sensor files keep it: the PID code, with "-n" for the n-th value
    // of a PID that carries several ("67-2").
    QString code() const {
        return oneOfSeveral ? pidCode + QLatin1Char('-') + QString::number(subValue + 1) : pidCode;
    }
    // Whether the vehicle has this value: its PID is supported and, where byte A tells, the bit
    // of the value is set (a PID whose byte A was not read offers every value).
    bool presentIn(const SupportedPidSet& supported) const;
    // Whether a decoded value says the answer's byte A marks this value as not there (the
    // decoder's "N/A" for such a value): no row, line or column for it, never a 0.
    bool markedAbsentBy(const PidValue& value) const;
    // The unit written beside a value text: none where the text already carries it.
    QString valueUnit(bool english) const { return unitInValue ? QString() : unit(english); }
};

// The PIDs 01..4E of the early cars.
inline constexpr int CataloguePidCount = 78;
// The last PID with a value.
inline constexpr int LastCataloguePid = 0xC4;

// Every value of PIDs 01..C4 the program knows, in PID order and within a PID in the order of its
// values. A value: once built it is only read, and a rebuild (other texts) leaves every catalogue
// built before it as it was.
class PidCatalogue {
public:
    using Entries = std::vector<PidInfo>;

    // The first (or only) value of the PID; throws std::out_of_range for a PID without one.
    const PidInfo& pid(int number) const;
    // Every value of the PID, in order; empty for a PID without one.
    std::span<const PidInfo> valuesOf(int number) const;
    // The entry of a key() or a code; null when there is none.
    const PidInfo* byKey(int key) const;
    const PidInfo* byCode(const QString& code) const;
    const Entries& entries() const { return m_entries; }

private:
    // Only a build makes one, so no catalogue with empty entries exists.
    PidCatalogue() = default;
    friend PidCatalogue buildPidCatalogue();
    Entries m_entries;
    // Where the values of PID n start in m_entries and how many there are.
    std::array<std::pair<int, int>, LastCataloguePid + 1> m_range{};
};

// From the string table as it stands, so after the translation pass for translated names and
// units (cut to 127 and 10 characters).
PidCatalogue buildPidCatalogue();
