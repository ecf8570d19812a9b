#pragma once

#include <QString>
#include <array>

// What one service 01 parameter is, independent of any vehicle and of any run.
struct PidInfo {
    int pidNumber = 0;     // 1..78 (01..4E)
    QString pidCode;       // two upper-case hexadecimal digits, e.g. "0C"
    QString name;          // in the language of the run, at most 127 characters
    QString metricUnit;    // at most 10 characters
    QString englishUnit;   // at most 10 characters
    double graphMin = 0.0; // value range of the graph axes
    double graphMax = 0.0;
    bool liveSensor = false;
    bool unitInValue = false; // the value text writes its unit itself (the O2 sensor voltages)

    // The unit of the quantity, as a graph axis or a column heading names it.
    const QString& unit(bool english) const { return english ? englishUnit : metricUnit; }
    // The unit written beside a value text: none where the text already carries it.
    QString valueUnit(bool english) const { return unitInValue ? QString() : unit(english); }
};

inline constexpr int CataloguePidCount = 78;

// PIDs 01..4E. A value: once built it is only read, and a rebuild (other texts) leaves every
// catalogue built before it as it was.
class PidCatalogue {
public:
    using Entries = std::array<PidInfo, CataloguePidCount>;

    // Throws std::out_of_range outside 1..CataloguePidCount.
    const PidInfo& pid(int number) const { return m_entries.at(std::size_t(number - 1)); }
    const Entries& entries() const { return m_entries; }

private:
    // Only a build makes one, so no catalogue with empty entries exists.
    PidCatalogue() = default;
    friend PidCatalogue buildPidCatalogue();
    Entries m_entries;
};

// From the string table as it stands, so after the translation pass for translated names and
// units (cut to 127 and 10 characters).
PidCatalogue buildPidCatalogue();
