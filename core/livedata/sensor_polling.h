#pragma once

#include "core/j1979/service01.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class CommandLink;
class StopSignal;
struct LiveData;
struct SeriesReading;

// What one cycle of the polling worker asks the vehicle for, by the tab active when it runs:
// every monitored sensor for the table, the one or two graph sensors for the graph, the gauges'
// values for the dashboard, nothing for the sensor options. Each PID is one request through the
// PID decoder, however many of its values are shown (two coolant sensors of PID 67 cost one
// request a cycle; where the link takes several PIDs a request, several PIDs share one); a value's
// text is stored as it is shown, one that did not come as "Error". A request that a stop ended is
// no reading: the sensor keeps its previous value and the graph gets no sample from that cycle.
class SensorPolling {
public:
    SensorPolling(CommandLink& link, LiveData& data, std::function<bool()> english);

    CommandLink& link() const { return m_link; }

    // One cycle. A stop raised meanwhile leaves the cycle before its next request; the request
    // in progress ends without a value and changes nothing. False when the cycle itself asks the
    // worker to stop: the graph tab with no sensor on either series.
    bool runCycle(int tab, const StopSignal& stop);

    void pollTable(const StopSignal& stop);
    bool pollGraph(const StopSignal& stop);
    void pollDashboard(const StopSignal& stop);

private:
    // The PIDs a cycle on the tab asks for, each once, of the sensors the vehicle supports.
    QList<int> cyclePids(int tab) const;
    // The shown text of one sensor (PidInfo::key()); none when a stop came before its request or
    // ended it unanswered. Values of a PID already asked for this cycle come from that answer.
    std::optional<QString> decode(int key, const StopSignal& stop);

    CommandLink& m_link;
    LiveData& m_data;
    std::function<bool()> m_english;
    Service01 m_decoder;
    // The values of each PID asked for in the running cycle.
    QHash<int, QList<PidValue>> m_cycleValues;
};

// A graph series' decoded text as the graph shows it: a number in the locale's format (blanks
// around it allowed) is plotted and shown in the segment display; anything else plots as 0 and
// shows in the caption panel.
SeriesReading readSeries(const QString& text);
