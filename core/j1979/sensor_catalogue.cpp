#include "core/j1979/sensor_catalogue.h"

#include "core/j1979/extended_pids.h"
#include "core/j1979/supported_pids.h"
#include "core/l10n/const_str.h"

#include <stdexcept>

namespace {

// The texts are referenced, not copied: the translation pass replaces the string table's values
// first, and a build reads them afterwards.
struct CatalogueRow {
    const QString* name;
    const QString* metricUnit;
    const QString* englishUnit;
    double graphMin;
    double graphMax;
    bool live;
};

const QString noUnit;

using namespace const_str;

// Entry k describes PID k + 1.
const std::array<CatalogueRow, CataloguePidCount> catalogueRows = {{
    {&Pid01Name, &noUnit, &noUnit, 0, 0, false},
    {&Pid02Name, &noUnit, &noUnit, 0, 0, false},
    {&Pid03Name, &noUnit, &noUnit, 0, 0, true},
    {&Pid04Name, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid05Name, &UnitCelsius, &UnitFahrenheit, -40, 215, true},
    {&Pid06Name, &UnitPercent, &UnitPercent, -100, 100, true},
    {&Pid07Name, &UnitPercent, &UnitPercent, -100, 100, true},
    {&Pid08Name, &UnitPercent, &UnitPercent, -100, 100, true},
    {&Pid09Name, &UnitPercent, &UnitPercent, -100, 100, true},
    {&Pid0AName, &UnitKilopascal, &UnitPsi, 0, 765, true},
    {&Pid0BName, &UnitKilopascal, &UnitPsi, 0, 255, true},
    {&Pid0CName, &UnitRevsPerMinuteMetric, &UnitRevsPerMinute, 0, 8000, true},
    {&Pid0DName, &UnitKmPerHour, &UnitMilesPerHour, 0, 255, true},
    {&Pid0EName, &UnitDegree, &UnitDegree, -64, 64, true},
    {&Pid0FName, &UnitCelsius, &UnitFahrenheit, -40, 215, true},
    {&Pid10Name, &UnitGramsPerSecond, &UnitPoundsPerMinute, 0, 655, true},
    {&Pid11Name, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid12Name, &noUnit, &noUnit, 0, 0, true},
    {&Pid13Name, &noUnit, &noUnit, 0, 0, false},
    {&Pid14Name, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid15Name, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid16Name, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid17Name, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid18Name, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid19Name, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid1AName, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid1BName, &UnitVolt, &UnitVolt, 0, 1.275, true},
    {&Pid1CName, &noUnit, &noUnit, 0, 0, false},
    {&Pid13Name, &noUnit, &noUnit, 0, 0, true},
    {&Pid1EName, &noUnit, &noUnit, 0, 0, true},
    {&Pid1FName, &noUnit, &noUnit, 0, 65535, true},
    {&Pid20Name, &noUnit, &noUnit, 0, 0, false},
    {&Pid21Name, &UnitKilometre, &UnitMiles, 0, 0, true},
    {&Pid22Name, &UnitKilopascal, &UnitPsi, 0, 5177, true},
    {&Pid0AName, &UnitKilopascal, &UnitPsi, 0, 655350, true},
    {&Pid24Name, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid25Name, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid26Name, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid27Name, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid28Name, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid29Name, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid2AName, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid2BName, &UnitVolt, &UnitVolt, 0, 8, true},
    {&Pid2CName, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid2DName, &UnitPercent, &UnitPercent, -100, 100, true},
    {&Pid2EName, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid2FName, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid30Name, &noUnit, &noUnit, 0, 255, true},
    {&Pid31Name, &UnitKilometre, &UnitMiles, 0, 0, true},
    {&Pid32Name, &UnitPascal, &UnitInchesOfWater, -8192, 8191, true},
    {&Pid33Name, &UnitKilopascal, &UnitInchesOfMercury, 0, 255, true},
    {&Pid34Name, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid35Name, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid36Name, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid37Name, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid38Name, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid39Name, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid3AName, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid3BName, &UnitLambdaMilliamp, &UnitMilliamp, -125, 125, true},
    {&Pid3CName, &UnitCelsius, &UnitFahrenheit, -40, 6514, true},
    {&Pid3DName, &UnitCelsius, &UnitFahrenheit, -40, 6514, true},
    {&Pid3EName, &UnitCelsius, &UnitFahrenheit, -40, 6514, true},
    {&Pid3FName, &UnitCelsius, &UnitFahrenheit, -40, 6514, true},
    {&Pid40Name, &noUnit, &noUnit, 0, 0, false},
    {&Pid41Name, &noUnit, &noUnit, 0, 0, true},
    {&Pid42Name, &UnitVolt, &UnitVolt, 0, 65, true},
    {&Pid43Name, &UnitPercent, &UnitPercent, 0, 25700, true},
    {&Pid44Name, &noUnit, &noUnit, 0, 2, true},
    {&Pid45Name, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid46Name, &UnitCelsius, &UnitFahrenheit, -40, 215, true},
    {&Pid47Name, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid48Name, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid49Name, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid4AName, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid4BName, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid4CName, &UnitPercent, &UnitPercent, 0, 100, true},
    {&Pid4DName, &UnitMinutes, &UnitMinutes, 0, 0, true},
    {&Pid4EName, &UnitMinutes, &UnitMinutes, 0, 0, true},
}};

constexpr qsizetype maxNameLength = 127;
constexpr qsizetype maxUnitLength = 10;

QString pidCodeOf(int number) {
    return QStringLiteral("%1").arg(number, 2, 16, QLatin1Char('0')).toUpper();
}

PidInfo extendedEntry(const extended_pids::PidDescription& description, int n) {
    const extended_pids::SubValue& sub = description.subValues.at(n);
    PidInfo entry;
    entry.pidNumber = description.pid;
    entry.subValue = n;
    entry.presenceBit = sub.availabilityBit;
    entry.pidCode = pidCodeOf(description.pid);
    entry.oneOfSeveral = description.subValues.size() > 1;
    entry.name = extended_pids::translated(sub.name).left(maxNameLength);
    entry.metricUnit = extended_pids::unitText(sub, false).left(maxUnitLength);
    entry.englishUnit = extended_pids::unitText(sub, true).left(maxUnitLength);
    entry.graphMin = sub.graphMin;
    entry.graphMax = sub.graphMax;
    entry.liveSensor = sub.polled;
    return entry;
}

} // namespace

bool PidInfo::presentIn(const SupportedPidSet& supported) const {
    if (pidNumber < 1 || std::size_t(pidNumber) > supported.size() ||
        !supported[std::size_t(pidNumber - 1)]) {
        return false;
    }
    const std::optional<quint8> byteA = supported.presenceByte(pidNumber);
    return presenceBit < 0 || !byteA || ((*byteA >> presenceBit) & 1) != 0;
}

bool PidInfo::markedAbsentBy(const PidValue& value) const {
    return presenceBit >= 0 && value == const_str::NotAvailable;
}

const PidInfo& PidCatalogue::pid(int number) const {
    const std::span<const PidInfo> values = valuesOf(number);
    if (values.empty()) {
        throw std::out_of_range("no catalogue entry for the PID");
    }
    return values.front();
}

std::span<const PidInfo> PidCatalogue::valuesOf(int number) const {
    if (number < 0 || number > LastCataloguePid) {
        return {};
    }
    const auto [first, count] = m_range[std::size_t(number)];
    return std::span<const PidInfo>(m_entries).subspan(std::size_t(first), std::size_t(count));
}

const PidInfo* PidCatalogue::byKey(int key) const {
    const std::span<const PidInfo> values = valuesOf(key % 256);
    const int subValue = key / 256;
    return key > 0 && subValue < int(values.size()) ? &values[std::size_t(subValue)] : nullptr;
}

const PidInfo* PidCatalogue::byCode(const QString& code) const {
    for (const PidInfo& entry : m_entries) {
        if (entry.code() == code) {
            return &entry;
        }
    }
    return nullptr;
}

PidCatalogue buildPidCatalogue() {
    PidCatalogue catalogue;
    for (int k = 0; k < CataloguePidCount; ++k) {
        const CatalogueRow& row = catalogueRows[std::size_t(k)];
        PidInfo entry;
        entry.pidNumber = k + 1;
        entry.pidCode = pidCodeOf(k + 1);
        entry.name = row.name->left(maxNameLength);
        entry.metricUnit = row.metricUnit->left(maxUnitLength);
        entry.englishUnit = row.englishUnit->left(maxUnitLength);
        entry.graphMin = row.graphMin;
        entry.graphMax = row.graphMax;
        entry.liveSensor = row.live;
        // The decoder writes "0.450 V, trim: 0.0 %": the volts before the trim part.
        entry.unitInValue = entry.pidNumber >= 0x14 && entry.pidNumber <= 0x1B;
        catalogue.m_range[std::size_t(k + 1)] = {k, 1};
        catalogue.m_entries.push_back(std::move(entry));
    }
    for (const extended_pids::PidDescription& description : extended_pids::descriptions()) {
        const int first = int(catalogue.m_entries.size());
        for (int n = 0; n < description.subValues.size(); ++n) {
            catalogue.m_entries.push_back(extendedEntry(description, n));
        }
        catalogue.m_range[std::size_t(description.pid)] = {first,
                                                           int(description.subValues.size())};
    }
    return catalogue;
}
