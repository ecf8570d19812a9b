#include "core/j1979/monitor_reading.h"

#include "core/link/command_link.h"

#include <QHash>
#include <algorithm>

namespace {

constexpr int positiveResponse = 0x46;
constexpr int negativeResponse = 0x7F;
constexpr qsizetype canBlockSize = 9;
constexpr qsizetype legacyMessageSize = 6; // after the service byte
constexpr qsizetype bitmapSize = 5;        // block ID and four bytes, after the service byte

QString requestFor(int id) {
    return QStringLiteral("06%1").arg(id, 2, 16, QLatin1Char('0')).toUpper();
}

// The bytes of a hexadecimal answer; empty for text that is anything else ("NO DATA", "?").
QByteArray answerBytes(const QString& answer) {
    QString compact = answer;
    compact.remove(QLatin1Char(' '));
    if (compact.isEmpty() || compact.size() % 2 != 0) {
        return {};
    }
    for (QChar c : compact) {
        if (!isxdigit(c.unicode() < 128 ? c.unicode() : 'x')) {
            return {};
        }
    }
    return QByteArray::fromHex(compact.toLatin1());
}

int at(const QByteArray& bytes, qsizetype index) {
    return quint8(bytes.at(index));
}

QString unitKey(qsizetype index, qsizetype units) {
    return units > 1 ? QString::number(index + 1) : QString();
}

MonitorTestResult notRead(int id, bool can) {
    MonitorTestResult row;
    (can ? row.mid : row.tid) = id;
    return row;
}

// The supported IDs of every unit that answers the bitmap requests, merged: a monitor of one unit
// is asked of all, and only the units that have it answer.
QList<int> supportedIds(CommandLink& link, bool& read) {
    QHash<int, QList<QByteArray>> blocks;
    const auto messagesOf = [&](int base) -> const QList<QByteArray>& {
        if (!blocks.contains(base)) {
            const LinkAnswer answer = link.exchange(requestFor(base));
            QList<QByteArray> bitmaps;
            if (answer) {
                for (const QByteArray& message : monitorAnswerMessages(*answer, base, true)) {
                    if (message.size() >= bitmapSize && at(message, 0) == base) {
                        bitmaps << message.mid(1, 4);
                    }
                }
            }
            blocks.insert(base, bitmaps);
        }
        return blocks[base];
    };
    const qsizetype units = messagesOf(0).size();
    read = units > 0;
    QList<int> ids;
    for (qsizetype unit = 0; unit < units; ++unit) {
        ids += supportedMonitorIds([&](int base) -> std::optional<QByteArray> {
            const QList<QByteArray>& bitmaps = messagesOf(base);
            if (unit >= bitmaps.size()) {
                return std::nullopt;
            }
            return bitmaps.at(unit);
        });
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

QList<MonitorTestResult> resultsOf(CommandLink& link, int id, bool can) {
    const LinkAnswer answer = link.exchange(requestFor(id));
    const QList<QByteArray> messages =
        answer ? monitorAnswerMessages(*answer, id, can) : QList<QByteArray>();
    QList<MonitorTestResult> results;
    for (qsizetype unit = 0; unit < messages.size(); ++unit) {
        // On the older protocols each component sends a message of its own: they do not count
        // units, and the component ID tells the results apart.
        if (can) {
            results += parseCanMonitorAnswer(unitKey(unit, messages.size()), messages.at(unit));
        } else {
            results << parseLegacyMonitorMessage(QString(), messages.at(unit));
        }
    }
    // An answer that names another monitor or test than the one asked is no result of it.
    results.removeIf([&](const MonitorTestResult& row) { return (can ? row.mid : row.tid) != id; });
    if (results.isEmpty()) {
        results << notRead(id, can);
    }
    return results;
}

} // namespace

QList<QByteArray> monitorAnswerMessages(const QString& answer, int id, bool can) {
    const QByteArray bytes = answerBytes(answer);
    QList<QByteArray> messages;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (at(bytes, pos) == negativeResponse) {
            pos += 3;
            continue;
        }
        if (at(bytes, pos) != positiveResponse) {
            break; // nothing after bytes that no message starts with can be placed
        }
        qsizetype end = pos + 1;
        if (id % 0x20 == 0) {
            end = qMin(bytes.size(), end + bitmapSize);
        } else if (!can) {
            end = qMin(bytes.size(), end + legacyMessageSize);
        } else {
            // A block starts with the monitor's ID; "46 id" at a block's start is the next unit's
            // message, which even a monitor numbered 46 tells apart by its second byte.
            while (end < bytes.size() && at(bytes, end) == id &&
                   !(end + 1 < bytes.size() && at(bytes, end) == positiveResponse &&
                     at(bytes, end + 1) == id)) {
                end = qMin(bytes.size(), end + canBlockSize);
            }
        }
        messages << bytes.mid(pos + 1, end - pos - 1);
        pos = end;
    }
    return messages;
}

MonitorReading readMonitorTests(CommandLink& link, const QList<int>& onlyIds) {
    const bool can = link.canLayout();
    MonitorReading reading;
    bool supportedRead = true;
    QList<int> ids = onlyIds;
    if (ids.isEmpty()) {
        ids = supportedIds(link, supportedRead);
    }
    for (int id : ids) {
        reading.results += resultsOf(link, id, can);
    }
    reading.complete =
        supportedRead && std::none_of(reading.results.begin(), reading.results.end(),
                                      [](const MonitorTestResult& row) {
                                          return row.state == MonitorTestState::NotRead;
                                      });
    return reading;
}
