#include "tools/cli/cli_values.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/negative_response.h"
#include "core/j1979/pid_request.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service01.h"
#include "core/l10n/const_str.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_session.h"

#include <QJsonObject>

QJsonValue CliValue::json() const {
    return read() ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
}

LinkAnswer AnswerRecorder::exchange(const QString& command) {
    const LinkAnswer answer = m_link.exchange(command);
    m_answers.insert(command, answer);
    return answer;
}

QString AnswerRecorder::whyNotRead(const QString& command) const {
    const auto it = m_answers.constFind(command);
    if (it == m_answers.constEnd())
        return QStringLiteral("not asked");
    return describeUnusableAnswer(*it);
}

QString describeUnusableAnswer(const LinkAnswer& answer) {
    if (!answer)
        return QStringLiteral("no answer");
    if (const auto refusal = negative_response::parse(*answer))
        return negative_response::describe(*refusal);
    if (answer->trimmed().isEmpty())
        return QStringLiteral("empty answer");
    return QStringLiteral("unusable answer: ") + *answer;
}

QList<CliValue> readLiveValues(CliSession& session, int pid,
                               const QHash<int, QList<PidValue>>& asked) {
    const PidInfo& entry = session.context().pidCatalogue.pid(pid);
    AnswerRecorder link(session.context().link);
    const Service01 reader = session.context().service01.value_or(Service01{});
    QList<PidValue> values = asked.value(pid);
    try {
        if (!asked.contains(pid))
            values = reader.pidValues(link, QStringLiteral("01"), entry.pidCode, session.english());
    } catch (const HexConversionError&) {
        // One garbled answer is one value not read: a watch goes on with the next.
        values.clear();
    }
    QList<CliValue> read;
    for (qsizetype n = 0; n < qsizetype(session.context().pidCatalogue.valuesOf(pid).size()); ++n) {
        const PidValue value = values.value(n);
        if (value)
            read.append({*value, {}});
        else
            read.append({const_str::Error, link.whyNotRead(QStringLiteral("01") + entry.pidCode)});
    }
    return read;
}

void UnreadValues::add(CliIo& io, const QString& what, const QString& reason) {
    add(io, what + QStringLiteral(": ") + reason);
}

void UnreadValues::add(CliIo& io, const QString& what) {
    m_entries << what;
    io.error(QStringLiteral("quorvane-cli: not read: ") + what);
}

int UnreadValues::finish(QJsonObject& doc) const {
    if (m_entries.isEmpty())
        return cli_exit::Success;
    doc[QStringLiteral("error")] = joined();
    return cli_exit::NoAnswer;
}
