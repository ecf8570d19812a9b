#include "core/livedata/sensor_selection.h"

#include <QHash>
#include <algorithm>
#include <numeric>

namespace {

QList<int> validRows(const SensorList& list, const QList<int>& rows) {
    QList<int> valid;
    for (int row : rows)
        if (row >= 0 && row < list.size())
            valid << row;
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

void removeRows(SensorList& list, const QList<int>& sortedRows) {
    for (auto row = sortedRows.crbegin(); row != sortedRows.crend(); ++row)
        list.removeAt(*row);
}

} // namespace

void moveSensorRows(SensorList& from, SensorList& to, const QList<int>& rows) {
    const QList<int> moving = validRows(from, rows);
    for (int row : moving)
        to.append(from[row]);
    removeRows(from, moving);
}

void moveMonitoredBack(SensorSelection& selection, const QList<int>& rows) {
    const QList<int> moving = validRows(selection.monitored, rows);
    for (int row : moving) {
        const SensorListItem& item = selection.monitored[row];
        (item.entry != nullptr && item.entry->supported ? selection.supported
                                                        : selection.notSupported)
            .append(item);
    }
    removeRows(selection.monitored, moving);
}

void moveAllMonitoredBack(SensorSelection& selection) {
    QList<int> all(selection.monitored.size());
    std::iota(all.begin(), all.end(), 0);
    moveMonitoredBack(selection, all);
}

bool moveSensorWithin(SensorList& list, int from, int to) {
    if (from < 0 || from >= list.size())
        return false;
    if (to < 0 || to >= list.size())
        to = int(list.size()) - 1;
    if (to == from)
        return false;
    list.move(from, to);
    return true;
}

int loadSensorSelection(SensorSelection& selection, const QStringList& pidCodes) {
    moveAllMonitoredBack(selection);
    // Where each code's item sits, so that a long file costs one look-up per line; positions
    // are taken out as items leave, and the source lists are rebuilt once at the end.
    struct Source {
        SensorList* list;
        QHash<QString, int> rowOf;
        QList<bool> taken;
    };
    Source sources[2] = {{&selection.supported, {}, {}}, {&selection.notSupported, {}, {}}};
    for (Source& source : sources) {
        source.taken = QList<bool>(source.list->size(), false);
        for (int row = 0; row < source.list->size(); ++row)
            if (const LiveSensor* entry = (*source.list)[row].entry;
                entry != nullptr && !source.rowOf.contains(entry->pid.code()))
                source.rowOf.insert(entry->pid.code(), row);
    }
    int taken = 0;
    for (const QString& code : pidCodes) {
        for (Source& source : sources) {
            const auto found = source.rowOf.constFind(code);
            if (found == source.rowOf.cend())
                continue;
            selection.monitored.append((*source.list)[found.value()]);
            source.taken[found.value()] = true;
            source.rowOf.erase(found);
            ++taken;
            break;
        }
    }
    for (Source& source : sources) {
        SensorList kept;
        for (int row = 0; row < source.list->size(); ++row)
            if (!source.taken[row])
                kept.append((*source.list)[row]);
        *source.list = kept;
    }
    return taken;
}

QStringList pidCodesOf(const SensorList& list) {
    QStringList codes;
    for (const SensorListItem& item : list)
        codes << (item.entry != nullptr ? item.entry->pid.code() : QString());
    return codes;
}
