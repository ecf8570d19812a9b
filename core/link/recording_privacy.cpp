#include "core/link/recording_privacy.h"

#include "core/link/recording_format.h"

#include <QList>
#include <QMap>
#include <vector>

namespace {

// One byte of the answer: where its two hex digits stand and its value.
struct Byte {
    qsizetype at;
    int value;
};

// The data bytes of one message, as far as it is known to be long.
struct Message {
    QList<Byte> bytes;
    int length = -1; // from the CAN length; -1: all that comes
};

int hexValue(QChar c) {
    if (c.isDigit())
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return -1;
}

// The bytes of a line of hex digits: blank-separated pairs, or pairs without blanks. A first
// token of three digits (an 11-bit CAN header) comes back as the value -1. Nothing when the line
// holds anything else.
QList<Byte> lineBytes(const QString& answer, qsizetype from, qsizetype to) {
    QList<Byte> bytes;
    qsizetype i = from;
    while (i < to) {
        if (answer[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < to && hexValue(answer[end]) >= 0)
            ++end;
        if (end == i || (end < to && answer[end] != QLatin1Char(' ')))
            return {};
        qsizetype digits = end - i;
        if (digits % 2 == 1) {
            if (!bytes.isEmpty())
                return {};
            bytes.append({i, -1}); // the header; digits are not read
            i += 3;
            digits -= 3;
        }
        for (; digits > 0; digits -= 2, i += 2)
            bytes.append({i, hexValue(answer[i]) * 16 + hexValue(answer[i + 1])});
    }
    return bytes;
}

bool severalMessages(const QList<Byte>& bytes) {
    if (bytes.size() < 14 || bytes.size() % 7 != 0)
        return false;
    for (qsizetype at = 0; at < bytes.size(); at += 7)
        if (bytes[at].value != 0x49 || bytes[at + 1].value != bytes[1].value)
            return false;
    return true;
}

class Reader {
public:
    explicit Reader(const QString& answer) : m_answer(answer) {}

    // The messages of the answer with their data bytes (the service byte, InfoType and count left
    // out), in the order their data appears.
    std::vector<Message> messages(const QString& command) {
        qsizetype start = 0;
        bool first = true;
        while (start < m_answer.size()) {
            qsizetype end = start;
            while (end < m_answer.size() && m_answer[end] != QLatin1Char('\r') &&
                   m_answer[end] != QLatin1Char('\n') && m_answer[end] != QLatin1Char('>'))
                ++end;
            const QString line = m_answer.mid(start, end - start).trimmed();
            // An echo of the request looks like data.
            if (!line.isEmpty() && !(first && recording_format::requestKey(line) ==
                                                  recording_format::requestKey(command)))
                readLine(start, end);
            if (!line.isEmpty())
                first = false;
            start = end + 1;
        }
        std::vector<Message> out;
        for (Message& message : m_done) {
            if (message.length >= 0 && message.bytes.size() > message.length)
                message.bytes.resize(message.length); // the last frame's padding
            message.bytes.remove(0, std::min<qsizetype>(3, message.bytes.size()));
            out.push_back(std::move(message));
        }
        if (!m_older.bytes.isEmpty())
            out.push_back(std::move(m_older));
        return out;
    }

private:
    void readLine(qsizetype from, qsizetype to) {
        const QString line = m_answer.mid(from, to - from).trimmed();
        const qsizetype lead = m_answer.indexOf(line.front(), from);
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon == 1 && hexValue(line[0]) >= 0) { // "1: 47 50 30 ...": CAN without headers
            if (m_numbered < 0)
                m_numbered = newMessage(-1);
            m_done[m_numbered].bytes += lineBytes(m_answer, lead + 2, to);
            return;
        }
        QList<Byte> bytes = lineBytes(m_answer, from, to);
        if (bytes.isEmpty())
            return;
        if (bytes.size() == 1 && bytes[0].value < 0) { // "014": a numbered message's length
            m_numbered = newMessage(line.toInt(nullptr, 16));
            return;
        }
        // A CAN header: three digits, or the four bytes 18 DA F1 xx of a 29-bit one.
        qsizetype header = bytes[0].value < 0 ? 1 : 0;
        if (header == 0 && bytes.size() > 5 && bytes[0].value == 0x18 && bytes[1].value == 0xDA &&
            bytes[2].value == 0xF1)
            header = 4;
        if (header > 0) {
            readFrame(line.left(header == 1 ? 3 : 11), bytes.mid(header));
            return;
        }
        if (bytes[0].value == 0x49) { // an older protocol's message, or a CAN single frame
            // Some chips print several messages of the older protocols on one line: seven bytes
            // each, every one opening with the service byte and the InfoType.
            const qsizetype step = severalMessages(bytes) ? 7 : bytes.size();
            for (qsizetype at = 0; at < bytes.size(); at += step)
                m_older.bytes += bytes.mid(at + 3, step - 3);
        } else if (bytes.size() > 7 && bytes[3].value == 0x49) // behind three header bytes
            m_older.bytes += bytes.mid(6, bytes.size() - 7);   // the last one is the checksum
    }

    void readFrame(const QString& sender, const QList<Byte>& frame) {
        if (frame.size() < 2)
            return;
        const int kind = frame[0].value >> 4;
        const int low = frame[0].value & 0x0F;
        if (kind == 0) {
            m_done[newMessage(low)].bytes = frame.mid(1);
        } else if (kind == 1 && frame.size() > 2) {
            const int index = newMessage(low * 256 + frame[1].value);
            m_done[index].bytes = frame.mid(2);
            m_bySender[sender] = index;
        } else if (kind == 2 && m_bySender.contains(sender)) {
            m_done[m_bySender[sender]].bytes += frame.mid(1);
        }
    }

    int newMessage(int length) {
        m_done.push_back({{}, length});
        return int(m_done.size() - 1);
    }

    const QString& m_answer;
    std::vector<Message> m_done;
    Message m_older;
    int m_numbered = -1;
    QMap<QString, int> m_bySender;
};

QString placeholder(const QString& kind, const QString& original,
                    std::map<QString, QString>& placeholders) {
    const QString key = kind + QLatin1Char(':') + original;
    if (auto found = placeholders.find(key); found != placeholders.end())
        return found->second;
    int number = 1;
    for (const auto& [known, value] : placeholders)
        number += known.startsWith(kind + QLatin1Char(':')) ? 1 : 0;
    const qsizetype size = original.size();
    QString text = QString::number(number).rightJustified(size, QLatin1Char('0')).right(size);
    if (size - QString::number(number).size() >= kind.size())
        text.replace(0, kind.size(), kind);
    placeholders[key] = text;
    return text;
}

} // namespace

QString anonymizedAnswer(const QString& command, const QString& answer,
                         std::map<QString, QString>& placeholders) {
    const QString key = recording_format::requestKey(command);
    const bool vin = key == QLatin1String("0902");
    if (!vin && key != QLatin1String("0904"))
        return answer;
    QString out = answer;
    for (const Message& message : Reader(answer).messages(command)) {
        // A VIN fills the whole message; calibration IDs take 16 bytes each.
        const qsizetype step = vin ? message.bytes.size() : 16;
        for (qsizetype from = 0; from < message.bytes.size(); from += step) {
            QList<Byte> value;
            QString original;
            for (const Byte& byte : message.bytes.mid(from, step)) {
                if (byte.value <= 0)
                    continue;
                value.append(byte);
                original += QChar(byte.value);
            }
            if (value.isEmpty())
                continue;
            const QString text = placeholder(vin ? QStringLiteral("VIN") : QStringLiteral("CALID"),
                                             original, placeholders);
            for (qsizetype i = 0; i < value.size(); ++i)
                out.replace(
                    value[i].at, 2,
                    QStringLiteral("%1").arg(text[i].unicode(), 2, 16, QLatin1Char('0')).toUpper());
        }
    }
    return out;
}
