#include "core/link/unit_headers.h"

#include "core/link/answer_text.h"
#include "core/link/can_answer.h"

#include <QHash>

namespace {

constexpr quint8 kObdTarget = 0x6B;     // the target of a response on ISO 9141-2 and J1850
constexpr quint8 kTesterAddress = 0xF1; // the tester, target of a response on ISO 14230-4

// The bytes of a line of hex digits (blanks aside), or nothing when it is no such line.
std::optional<QByteArray> hexBytes(QString line) {
    line.remove(QLatin1Char(' '));
    if (line.isEmpty() || line.size() % 2 != 0)
        return std::nullopt;
    for (QChar c : line)
        if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F')))
            return std::nullopt;
    return QByteArray::fromHex(line.toLatin1());
}

quint8 sumOf(const QByteArray& bytes) {
    unsigned sum = 0;
    for (char b : bytes)
        sum += quint8(b);
    return quint8(sum);
}

// The CRC of SAE J1850: polynomial x^8 + x^4 + x^3 + x^2 + 1, all ones at start, inverted.
quint8 j1850Crc(const QByteArray& bytes) {
    quint8 crc = 0xFF;
    for (char b : bytes) {
        crc ^= quint8(b);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) != 0 ? quint8((crc << 1) ^ 0x1D) : quint8(crc << 1);
    }
    return ~crc;
}

QString hexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

struct KLineMessage {
    QString unit;
    QByteArray data;
    bool checked = true; // the check byte matches
};

// One message line of ISO 9141-2, ISO 14230-4 or J1850 with its header and check byte.
std::optional<KLineMessage> kLineMessage(const QByteArray& b) {
    if (b.size() < 5)
        return std::nullopt; // header, at least one data byte, check byte
    qsizetype dataStart = 3;
    qsizetype length = b.size() - 4;
    const quint8 first = quint8(b.at(0));
    bool sumOnly = false;
    if (quint8(b.at(1)) == kTesterAddress && (first & 0x80) != 0) {
        length = first & 0x3F;
        if (length == 0) {
            length = quint8(b.at(3));
            dataStart = 4;
        }
        if (b.size() != dataStart + length + 1)
            return std::nullopt;
        sumOnly = true;
    } else if (quint8(b.at(1)) != kObdTarget) {
        return std::nullopt;
    }
    if (length == 0)
        return std::nullopt;
    const QByteArray covered = b.left(b.size() - 1);
    const quint8 check = quint8(b.back());
    const bool checked = sumOf(covered) == check || (!sumOnly && j1850Crc(covered) == check);
    return KLineMessage{hexText(b.mid(2, 1)), b.mid(dataStart, length), checked};
}

// Appends one message to its unit's part, in the order of each unit's first message.
class Parts {
public:
    QList<QString> order;
    QHash<QString, QList<can_answer::Message>> messages;

    void add(const QString& unit, const QByteArray& bytes) {
        if (bytes.isEmpty())
            return;
        if (!messages.contains(unit))
            order << unit;
        messages[unit].append({unit, bytes});
    }
};

} // namespace

namespace unit_headers {

Split split(const QByteArray& raw, const QString& sentCommand, bool can) {
    Split result;
    QStringList lines;
    QStringList busErrors;
    if (!can_answer::splitSerial(raw, sentCommand, lines, busErrors) || lines.isEmpty())
        return result;
    Parts parts;
    if (can) {
        QStringList repeated;
        const QList<can_answer::Message> messages = can_answer::parseFrames(lines, &repeated);
        for (const can_answer::Message& message : messages) {
            if (message.sender.isEmpty()) {
                result.headerless = true;
                return result;
            }
            parts.add(message.sender, message.bytes);
        }
        if (messages.isEmpty()) {
            result.headerless = true;
            return result;
        }
        for (const QString& sender : repeated)
            result.notes << QStringLiteral("Two control units answered from %1; both answers "
                                           "are kept under it")
                                .arg(sender);
        for (const QString& unit : parts.order)
            result.parts << UnitAnswer{unit, can_answer::toIsoLayout(parts.messages.value(unit))};
        return result;
    }
    for (const QString& line : lines) {
        const std::optional<QByteArray> bytes = hexBytes(line);
        const std::optional<KLineMessage> message = bytes ? kLineMessage(*bytes) : std::nullopt;
        if (!message) {
            result.headerless = true;
            return result;
        }
        // The chip checks the byte before it prints the message; one that does not match is
        // noted, and the data kept, as the chip kept it.
        if (!message->checked)
            result.notes << QStringLiteral("Check byte does not match: ") + line;
        parts.add(message->unit, message->data);
    }
    for (const QString& unit : parts.order) {
        QStringList data;
        for (const can_answer::Message& message : parts.messages.value(unit))
            data << hexText(message.bytes);
        result.parts << UnitAnswer{unit, answer_text::pack(data.join(QLatin1Char(' ')))};
    }
    return result;
}

} // namespace unit_headers
