#include "core/link/recording_reader.h"

#include "core/link/recording_format.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <optional>

namespace recording_reader {

namespace {

using recording_format::kMaxLineBytes;

// A line wrong at a given place; thrown inside the reader only.
struct LineError {
    QString reason;
};

// One line of the input without its line end.
struct Line {
    QByteArrayView text;
    qsizetype number;
    bool last;
    bool complete; // ended by a line feed
};

class Lines {
public:
    explicit Lines(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<Line> next() {
        if (m_at >= m_bytes.size())
            return std::nullopt;
        qsizetype end = m_bytes.indexOf('\n', m_at);
        const bool complete = end >= 0;
        if (!complete)
            end = m_bytes.size();
        QByteArrayView text = QByteArrayView(m_bytes).sliced(m_at, end - m_at);
        if (text.endsWith('\r'))
            text.chop(1);
        m_at = end + 1;
        ++m_number;
        return Line{text, m_number, m_at >= m_bytes.size(), complete};
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
    qsizetype m_number = 0;
};

bool isBlank(QByteArrayView text) {
    return text.trimmed().isEmpty();
}

QJsonObject jsonObject(QByteArrayView text) {
    if (text.size() > kMaxLineBytes)
        throw LineError{QStringLiteral("the line is longer than %1 KiB").arg(kMaxLineBytes / 1024)};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        throw LineError{QStringLiteral("no JSON: %1").arg(error.errorString())};
    if (!document.isObject())
        throw LineError{QStringLiteral("no JSON object")};
    return document.object();
}

QString stringField(const QJsonObject& object, const char* name, bool latin1) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isString())
        throw LineError{QStringLiteral("\"%1\" is missing or no text").arg(QLatin1String(name))};
    const QString text = value.toString();
    if (latin1)
        for (QChar c : text)
            if (c.unicode() > 0xFF)
                throw LineError{QStringLiteral("\"%1\" holds a character that is no byte")
                                    .arg(QLatin1String(name))};
    return text;
}

void readHeader(const QJsonObject& header, Session& session) {
    if (header.value(QLatin1String("recording")).toString() != QLatin1String("vehicle session"))
        throw LineError{QStringLiteral("the first line does not describe a vehicle session")};
    const int format = header.value(QLatin1String("format")).toInt(-1);
    if (format < 1 || format > recording_format::kVersion)
        throw LineError{QStringLiteral("unknown format %1").arg(format)};
    session.interface = header.value(QLatin1String("interface")).toString().left(64);
    session.protocol = header.value(QLatin1String("protocol")).toString().left(2);
    session.anonymized = header.value(QLatin1String("anonymized")).toBool();
}

Exchange readExchange(const QJsonObject& line) {
    Exchange exchange;
    exchange.command = stringField(line, "command", true);
    exchange.answer = stringField(line, "answer", true);
    const double ms = line.value(QLatin1String("ms")).toDouble(-1);
    if (ms < 0 || ms > 3600.0 * 1000)
        throw LineError{QStringLiteral("\"ms\" is missing or out of range")};
    exchange.ms = qint64(ms);
    return exchange;
}

// The time of day in a log line's timestamp, in milliseconds; -1 when it has none.
qint64 timeOfDay(const QString& stamp) {
    static const QRegularExpression pattern(QStringLiteral("(\\d{1,2}):(\\d\\d):(\\d\\d)"));
    const QRegularExpressionMatch match = pattern.match(stamp);
    if (!match.hasMatch())
        return -1;
    return ((match.captured(1).toInt() * 60 + match.captured(2).toInt()) * 60 +
            match.captured(3).toInt()) *
           1000LL;
}

void readLogLine(const QString& text, Session& session, std::optional<Exchange>& pending,
                 qint64& sentAt) {
    if (text.trimmed().isEmpty() || text.trimmed().count(QLatin1Char('*')) == text.trimmed().size())
        return; // the rule of asterisks between program runs
    const qsizetype dash = text.indexOf(QLatin1String(" - "));
    if (dash < 0)
        throw LineError{QStringLiteral("no line of the communication log")};
    const QString event = text.mid(dash + 3);
    const qint64 time = timeOfDay(text.left(dash));
    if (event.startsWith(QLatin1String("S: "))) {
        pending = Exchange{event.mid(3), QString(), 0};
        sentAt = time;
    } else if (event.startsWith(QLatin1String("R: "))) {
        if (!pending)
            throw LineError{QStringLiteral("an answer without its command")};
        // The log writes "Error" where no answer came.
        const QString answer = event.mid(3);
        pending->answer = answer == QLatin1String("Error") ? QString() : answer;
        if (time >= 0 && sentAt >= 0)
            pending->ms = (time - sentAt + 24 * 3600 * 1000LL) % (24 * 3600 * 1000LL);
        session.exchanges.push_back(*pending);
        pending.reset();
    }
}

// Fills in what the exchanges tell when the description did not.
void identify(Session& session) {
    for (const Exchange& exchange : session.exchanges) {
        if (const QString name = recording_format::interfaceName(exchange.command, exchange.answer);
            !name.isEmpty() && session.interface.isEmpty())
            session.interface = name;
        if (const QString number =
                recording_format::protocolNumber(exchange.command, exchange.answer);
            !number.isEmpty() && session.protocol.isEmpty())
            session.protocol = number;
    }
}

} // namespace

std::variant<Session, Error> read(const QByteArray& bytes) {
    Session session;
    Lines lines(bytes);
    // The first line that is not blank decides: JSON Lines, or else the communication log.
    std::optional<bool> json;
    bool headerRead = false;
    std::optional<Exchange> pending;
    qint64 sentAt = -1;
    while (const std::optional<Line> line = lines.next()) {
        if (isBlank(line->text))
            continue;
        try {
            if (!json)
                json = line->text.trimmed().startsWith('{');
            if (line->text.size() > kMaxLineBytes)
                throw LineError{
                    QStringLiteral("the line is longer than %1 KiB").arg(kMaxLineBytes / 1024)};
            if (!*json) {
                const QString text = QString::fromUtf8(line->text);
                if (text.contains(QChar(0)))
                    throw LineError{QStringLiteral("a NUL byte")};
                readLogLine(text, session, pending, sentAt);
            } else if (!headerRead) {
                readHeader(jsonObject(line->text), session);
                headerRead = true;
            } else {
                session.exchanges.push_back(readExchange(jsonObject(line->text)));
            }
        } catch (const LineError& error) {
            // A recording cut short ends in half a line; what came before it is whole.
            if (!line->last || (!headerRead && *json))
                return Error{line->number, error.reason};
            session.warnings
                << QStringLiteral("%1: %2, left out").arg(line->number).arg(error.reason);
        }
    }
    if (session.exchanges.empty())
        return Error{0, QStringLiteral("no exchange recorded")};
    identify(session);
    return session;
}

} // namespace recording_reader
