#pragma once

#include "core/j1979/pid_value.h"
#include "core/link/command_link.h"

#include <QHash>
#include <QJsonValue>
#include <QString>
#include <QStringList>

struct CliIo;
class CliSession;
class QJsonObject;

// A printed value: the display text, or, for a value the vehicle did not send, the text that says
// so ("Error" or "N/A") and the reason. A value is never made from bytes that did not come.
struct CliValue {
    QString text;
    QString error; // empty: the value was read

    bool read() const { return error.isEmpty(); }
    // The text, or null for a value that was not read.
    QJsonValue json() const;
};

// Hands every exchange on to the session's link and keeps the last answer to each command, so
// that a value the vehicle did not send can be reported with the answer that came instead.
class AnswerRecorder : public CommandLink {
public:
    explicit AnswerRecorder(CommandLink& link) : m_link(link) {}
    LinkAnswer exchange(const QString& command) override;
    std::optional<QList<QByteArray>> exchangeMessages(const QString& command) override {
        return m_link.exchangeMessages(command);
    }
    int pidsPerRequest() const override { return m_link.pidsPerRequest(); }
    void refuseGroupedRequests() override { m_link.refuseGroupedRequests(); }
    bool canLayout() const override { return m_link.canLayout(); }

    // Why the answer to the command holds no value: "no answer", a named negative response, or
    // the answer itself ("NO DATA", a bare header).
    QString whyNotRead(const QString& command) const;

private:
    CommandLink& m_link;
    QHash<QString, LinkAnswer> m_answers;
};

// Why an answer holds no value, as whyNotRead says it.
QString describeUnusableAnswer(const LinkAnswer& answer);

// The service 01 values of one PID as `pid` and `watch` print them, one exchange: one entry per
// value of the PID (several above 4E; see PidCatalogue::valuesOf), with the per-value rule:
// "Error" and the reason for a value that did not come. Values a grouped request has already
// brought (grouped_pid_request::read) are taken from `asked` without a request.
QList<CliValue> readLiveValues(CliSession& session, int pid,
                               const QHash<int, QList<PidValue>>& asked = {});

// What a command could not read. Each entry goes to standard error as it is added; finish()
// puts them into the JSON document's "error" field and gives the exit code.
class UnreadValues {
public:
    void add(CliIo& io, const QString& what, const QString& reason);
    // A whole section, whose reason its own lines or an earlier error have told.
    void add(CliIo& io, const QString& what);
    bool isEmpty() const { return m_entries.isEmpty(); }
    QString joined() const { return m_entries.join(QStringLiteral("; ")); }
    int finish(QJsonObject& doc) const;

private:
    QStringList m_entries;
};
