#include "core/livedata/sensor_polling.h"

#include "core/j1979/grouped_pid_request.h"
#include "core/j1979/hex_conversions.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"
#include "core/link/stop_signal.h"
#include "core/livedata/live_data.h"
#include "core/livedata/live_number.h"

namespace {

QString pidCodeOf(int pidNumber) {
    return QStringLiteral("%1").arg(pidNumber, 2, 16, QLatin1Char('0')).toUpper();
}

// The oxygen-sensor voltages carry a trim part behind the voltage ("0.035 V, trim: 0.0 %").
bool isOxygenSensorVoltage(int pidNumber) {
    return pidNumber >= 0x14 && pidNumber <= 0x1B;
}

// Engine speed and coolant temperature first, as the gauges were always fed; vehicle speed and
// load follow so that their gauges move too.
constexpr struct {
    DashboardValues::Gauge gauge;
    int pid;
} kGauges[] = {{DashboardValues::EngineSpeed, 0x0C},
               {DashboardValues::CoolantTemperature, 0x05},
               {DashboardValues::VehicleSpeed, 0x0D},
               {DashboardValues::Load, 0x04}};

} // namespace

SensorPolling::SensorPolling(CommandLink& link, LiveData& data, std::function<bool()> english)
    : m_link(link), m_data(data), m_english(std::move(english)) {}

std::optional<QString> SensorPolling::decode(int key, const StopSignal& stop) {
    const int pidNumber = key % 256;
    const int subValue = key / 256;
    if (const auto asked = m_cycleValues.constFind(pidNumber); asked != m_cycleValues.cend())
        return asked->value(subValue).value_or(const_str::Error);
    if (stop.requested())
        return std::nullopt;
    QList<PidValue> values;
    try {
        values = m_decoder.pidValues(m_link, QStringLiteral("01"), pidCodeOf(pidNumber),
                                     m_english && m_english());
    } catch (const HexConversionError&) {
        // A garbled answer came: it is a reading, shown as "Error", and polling goes on.
        values = {const_str::Error};
    }
    const PidValue value = values.value(subValue);
    // A stop ends the request in progress without an answer: that says nothing of the sensor.
    // An answer that came before the stop took effect is a reading like any other.
    if (!value && stop.requested())
        return std::nullopt;
    m_cycleValues.insert(pidNumber, values);
    return value.value_or(const_str::Error);
}

QList<int> SensorPolling::cyclePids(int tab) const {
    QList<int> keys;
    switch (SensorTab(tab)) {
    case SensorTab::Table:
        for (const SensorListItem& item : m_data.lists.MonitoredSensors)
            keys << item.entry->pid.key();
        break;
    case SensorTab::Graph:
        keys << m_data.SeriesPid1.load() << m_data.SeriesPid2.load();
        break;
    case SensorTab::Dashboard:
        for (const auto& gauge : kGauges)
            if (m_data.dashboard[gauge.gauge].enabled)
                keys << gauge.pid;
        break;
    case SensorTab::Options:
        break;
    }
    // Only PIDs the vehicle said it has: one it lacks would leave a grouped answer short.
    QList<int> pids;
    for (int key : keys) {
        const LiveSensor* entry = m_data.lists.entryOf(key);
        if (entry != nullptr && entry->supported && !pids.contains(key % 256))
            pids << key % 256;
    }
    return pids;
}

bool SensorPolling::runCycle(int tab, const StopSignal& stop) {
    m_cycleValues.clear();
    // Where the link takes several PIDs a request, the cycle's PIDs are asked in groups first;
    // whatever they did not bring is asked alone below.
    if (m_link.pidsPerRequest() > 1 && !stop.requested())
        m_cycleValues = grouped_pid_request::read(m_link, cyclePids(tab), m_english && m_english());
    switch (SensorTab(tab)) {
    case SensorTab::Table:
        pollTable(stop);
        return true;
    case SensorTab::Graph:
        return pollGraph(stop);
    case SensorTab::Dashboard:
        pollDashboard(stop);
        return true;
    case SensorTab::Options:
        break;
    }
    return true;
}

void SensorPolling::pollTable(const StopSignal& stop) {
    for (const SensorListItem& item : m_data.lists.MonitoredSensors) {
        std::optional<QString> text = decode(item.entry->pid.key(), stop);
        if (!text)
            return;
        item.entry->valueText = std::move(*text);
    }
}

SeriesReading readSeries(const QString& text) {
    SeriesReading reading;
    const std::optional<double> number = readLocaleNumber(text);
    if (number) {
        reading.value = *number;
        reading.caption = QStringLiteral("-");
        reading.display = text;
    } else {
        reading.value = 0.0;
        reading.caption = text;
        reading.display = QStringLiteral("-");
    }
    return reading;
}

bool SensorPolling::pollGraph(const StopSignal& stop) {
    const int pids[2] = {m_data.SeriesPid1.load(), m_data.SeriesPid2.load()};
    if (pids[0] < 1 && pids[1] < 1)
        return false;
    QString texts[2];
    for (int series = 0; series < 2; ++series) {
        if (pids[series] < 1)
            continue;
        std::optional<QString> text = decode(pids[series], stop);
        if (!text)
            return true;
        texts[series] = std::move(*text);
        if (isOxygenSensorVoltage(pids[series]))
            texts[series].truncate(5);
    }
    m_data.seriesReadings[0] = readSeries(texts[0]);
    m_data.seriesReadings[1] = readSeries(texts[1]);
    m_data.history.append({m_data.seriesReadings[0].value, m_data.seriesReadings[1].value});
    return true;
}

void SensorPolling::pollDashboard(const StopSignal& stop) {
    for (const auto& gauge : kGauges) {
        DashboardValues::Entry& entry = m_data.dashboard[gauge.gauge];
        if (!entry.enabled)
            continue;
        std::optional<QString> text = decode(gauge.pid, stop);
        if (!text)
            return;
        entry.valueText = std::move(*text);
        // The vehicle does not have it: the gauge stays off until the user switches it on.
        if (entry.valueText == const_str::NotAvailable)
            entry.enabled = false;
    }
}
