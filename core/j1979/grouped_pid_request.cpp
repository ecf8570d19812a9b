#include "core/j1979/grouped_pid_request.h"

#include "core/j1979/pid_decoder.h"
#include "core/j1979/pid_request.h"
#include "core/link/command_link.h"

#include <algorithm>

namespace {

constexpr quint8 kCurrentDataResponse = 0x41;

QString hexByte(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

namespace grouped_pid_request {

bool groupable(int pid) {
    return pid > 0 && pid <= 0xFF && pid_decoder::isRequested(pid) &&
           pid_decoder::hasDefinedLength(pid);
}

std::optional<QHash<int, QString>> split(const QList<QByteArray>& messages,
                                         const QList<int>& pids) {
    QHash<int, QString> answers;
    for (const QByteArray& message : messages) {
        if (message.isEmpty() || quint8(message.at(0)) != kCurrentDataResponse)
            return std::nullopt;
        QList<int> seen;
        qsizetype at = 1;
        while (at < message.size()) {
            const int pid = quint8(message.at(at));
            if (!pids.contains(pid) || seen.contains(pid))
                return std::nullopt;
            seen << pid;
            const qsizetype length = pid_decoder::dataByteCount(pid);
            if (at + 1 + length > message.size())
                return std::nullopt;
            if (!answers.contains(pid))
                answers.insert(
                    pid, QStringLiteral("41") +
                             QString::fromLatin1(message.mid(at, 1 + length).toHex()).toUpper());
            at += 1 + length;
        }
    }
    for (int pid : pids)
        if (!answers.contains(pid))
            return std::nullopt;
    return answers;
}

QHash<int, QList<PidValue>> read(CommandLink& link, const QList<int>& pids, bool english) {
    QList<int> wanted;
    for (int pid : pids)
        if (groupable(pid) && !wanted.contains(pid))
            wanted << pid;
    QHash<int, QList<PidValue>> values;
    qsizetype first = 0;
    while (first < wanted.size()) {
        const int perRequest = std::min(link.pidsPerRequest(), kMaxPidsPerRequest);
        const QList<int> group = wanted.mid(first, perRequest);
        // One PID alone goes out as a single request, by the caller.
        if (group.size() < 2)
            break;
        first += group.size();
        QString request = QStringLiteral("01");
        for (int pid : group)
            request += hexByte(pid);
        const std::optional<QList<QByteArray>> messages = link.exchangeMessages(request);
        // No answer at all (stopped, or the interface silent) says nothing about grouping.
        if (!messages)
            continue;
        const std::optional<QHash<int, QString>> answers = split(*messages, group);
        if (!answers) {
            link.refuseGroupedRequests();
            break;
        }
        for (auto it = answers->cbegin(); it != answers->cend(); ++it)
            values.insert(it.key(), decodePidValues(it.key(), it.value(), 5, english));
    }
    return values;
}

} // namespace grouped_pid_request
