#include "core/link/can_answer.h"

#include "core/link/answer_text.h"

#include <QHash>
#include <QStringList>

namespace {

bool isHexText(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f')))
            return false;
    }
    return !text.isEmpty();
}

QByteArray bytesOf(const QString& hex) {
    return QByteArray::fromHex(hex.toLatin1());
}

// Lines the chip prints about itself before the vehicle's answer.
bool isStatusLine(const QString& line) {
    return line.startsWith(QLatin1String("SEARCHING")) ||
           line.startsWith(QLatin1String("BUS INIT"));
}

// The chip's words for a request that brought no usable answer.
bool isBusErrorLine(const QString& line) {
    static const char* const words[] = {
        "NO DATA",           "CAN ERROR",   "BUS BUSY", "BUS ERROR", "DATA ERROR",  "STOPPED",
        "UNABLE TO CONNECT", "BUFFER FULL", "FB ERROR", "<RX ERROR", "<DATA ERROR", "ERR",
    };
    for (const char* word : words)
        if (line.startsWith(QLatin1String(word)))
            return true;
    return false;
}

// The header of a frame line without blanks: three hex digits for 11-bit identifiers (the line
// has an odd length then), four bytes starting with priority 18 and the "DA" of a physically
// addressed answer for 29-bit ones. Without headers a line starts with the response's service
// byte (4x or 7F), which neither rule can take for a header.
qsizetype headerLength(const QString& compact) {
    if (compact.size() % 2 == 1 && compact.size() >= 5)
        return 3;
    if (compact.size() >= 10 && compact.startsWith(QLatin1String("18DA")))
        return 8;
    return 0;
}

QString hexLine(const QByteArray& bytes) {
    QStringList pairs;
    for (char b : bytes)
        pairs << QStringLiteral("%1").arg(quint8(b), 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char(' '));
}

// Collects the messages of one answer while its frames arrive.
class Assembler {
public:
    QList<can_answer::Message> messages;
    // Senders of a first frame while a message of theirs was already under way in this answer.
    QStringList repeatedFirstFrames;

    // A frame printed with its header: the protocol control byte tells single, first and
    // consecutive frames apart.
    void addHeaderFrame(const QString& sender, const QByteArray& frame) {
        const int pci = quint8(frame.at(0));
        switch (pci >> 4) {
        case 0:
            messages.append({sender, frame.mid(1, pci & 0x0F)});
            break;
        case 1:
            if (frame.size() < 2)
                return;
            if (m_open.contains(sender))
                repeatedFirstFrames << sender;
            m_open[sender] = int(messages.size());
            messages.append({sender, frame.mid(2)});
            m_expected[messages.size() - 1] = ((pci & 0x0F) << 8) | quint8(frame.at(1));
            break;
        case 2:
            // A consecutive frame without its first frame cannot be placed.
            if (m_open.contains(sender))
                appendTo(m_open.value(sender), frame.mid(1));
            break;
        default:
            break; // flow control and anything else carries no answer data
        }
    }

    // Without headers: "014" announces a long message, "0:", "1:" ... carry its bytes.
    void startNumbered(int length) {
        m_numbered = int(messages.size());
        messages.append({QString(), QByteArray()});
        m_expected[m_numbered] = length;
    }
    bool addNumbered(const QByteArray& bytes) {
        if (m_numbered < 0)
            return false;
        appendTo(m_numbered, bytes);
        return true;
    }
    void addSingle(const QByteArray& bytes) { messages.append({QString(), bytes}); }

private:
    void appendTo(int index, const QByteArray& bytes) {
        QByteArray& target = messages[index].bytes;
        target += bytes;
        // The last frame is padded; the announced length says where the message ends.
        const int expected = m_expected.value(index, -1);
        if (expected >= 0 && target.size() > expected)
            target.truncate(expected);
    }

    QHash<QString, int> m_open;
    QHash<qsizetype, int> m_expected;
    int m_numbered = -1;
};

// Service 03, 07 and 0A: a count byte, then two bytes per code. The ISO layout has three codes a
// frame, filled up with zero codes, and one empty frame when there is no code. A message without
// all the codes its count announces (cut, or its count garbled) becomes the chip's "DATA ERROR",
// which no reader takes for codes: held to what arrived, it would hide the codes that did not.
void troubleCodeFrames(const QByteArray& m, QStringList& lines) {
    const int count = m.size() > 1 ? quint8(m.at(1)) : -1;
    if (count < 0 || m.size() < 2 + 2 * count) {
        lines << QStringLiteral("DATA ERROR");
        return;
    }
    const QByteArray codes = m.mid(2, 2 * count);
    qsizetype at = 0;
    do {
        QByteArray frame(1, m.at(0));
        frame += codes.mid(at, 6);
        frame.append(7 - frame.size(), '\0');
        lines << hexLine(frame);
        at += 6;
    } while (at < codes.size());
}

// Service 09: bitmaps gain the message count the ISO layout has; data types lose their count of
// data items and are cut into numbered four-byte messages, zero-padded in front as a VIN is.
void vehicleInfoMessages(const QByteArray& m, QStringList& lines) {
    const int type = quint8(m.at(1));
    if (type % 0x20 == 0) {
        lines << hexLine(m.left(2) + QByteArray(1, '\x01') + m.mid(2));
        return;
    }
    // Types 01 to 09 odd are message counts, where a control unit gives one; from 0B on the odd
    // types carry data as well (0B in-use ratios of compression ignition, 0D engine serial).
    if (type % 2 == 1 && type < 0x0B) {
        lines << hexLine(m);
        return;
    }
    QByteArray data = m.mid(3);
    // Padding in front keeps a VIN's characters where the older protocols put them; counters
    // (in-use ratios) would be shifted by it and read as the wrong monitor's, so their last
    // message keeps what is left instead.
    if (type != 0x08 && type != 0x0B)
        data.prepend(QByteArray((4 - data.size() % 4) % 4, '\0'));
    for (qsizetype at = 0; at < data.size(); at += 4) {
        QByteArray message = m.left(2);
        message += char(at / 4 + 1);
        message += data.mid(at, 4);
        lines << hexLine(message);
    }
}

} // namespace

namespace can_answer {

bool splitSerial(const QByteArray& raw, const QString& sentCommand, QStringList& lines,
                 QStringList& busErrors) {
    QString buffer = QString::fromLatin1(raw);
    const qsizetype prompt = buffer.indexOf(QLatin1Char('>'));
    if (prompt < 0)
        return false;
    buffer[prompt] = QLatin1Char('\r');
    buffer.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    bool first = true;
    for (const QString& piece : buffer.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        const QString line = answer_text::upperHex(answer_text::trimControls(piece));
        if (line.isEmpty())
            continue;
        const bool echo = first && !sentCommand.isEmpty() && line == sentCommand;
        first = false;
        if (echo || isStatusLine(line))
            continue;
        if (isBusErrorLine(line))
            busErrors << line;
        else
            lines << line;
    }
    return true;
}

bool isCanProtocol(const QString& dpnAnswer) {
    QString number = dpnAnswer.trimmed().toUpper();
    if (number.startsWith(QLatin1Char('A')) && number.size() == 2)
        number.remove(0, 1);
    if (number.size() != 1)
        return false;
    const QChar c = number.at(0);
    return (c >= QLatin1Char('6') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('C'));
}

QList<Message> parseFrames(const QStringList& lines, QStringList* repeatedFirstFrames) {
    Assembler assembler;
    for (const QString& line : lines) {
        if (isStatusLine(line))
            continue;
        QString compact = line;
        compact.remove(QLatin1Char(' '));
        if (compact.size() >= 2 && compact.at(1) == QLatin1Char(':') &&
            isHexText(compact.left(1)) && isHexText(compact.mid(2))) {
            if (!assembler.addNumbered(bytesOf(compact.mid(2))))
                return {};
            continue;
        }
        if (!isHexText(compact))
            return {};
        if (compact.size() == 3) {
            assembler.startNumbered(compact.toInt(nullptr, 16));
            continue;
        }
        const qsizetype header = headerLength(compact);
        if (header == 0 && compact.size() % 2 == 1)
            return {};
        if (header > 0)
            assembler.addHeaderFrame(compact.left(header), bytesOf(compact.mid(header)));
        else
            assembler.addSingle(bytesOf(compact));
    }
    if (repeatedFirstFrames != nullptr)
        *repeatedFirstFrames = assembler.repeatedFirstFrames;
    return assembler.messages;
}

QString toIsoLayout(const QList<Message>& messages) {
    QStringList lines;
    for (const Message& message : messages) {
        const QByteArray& m = message.bytes;
        if (m.isEmpty())
            continue;
        const int service = quint8(m.at(0));
        if (service == 0x43 || service == 0x47 || service == 0x4A)
            troubleCodeFrames(m, lines);
        else if (service == 0x49 && m.size() >= 2)
            vehicleInfoMessages(m, lines);
        else
            lines << hexLine(m);
    }
    return answer_text::pack(lines.join(QLatin1Char(' ')));
}

LinkAnswer fromSerial(const QByteArray& raw, const QString& sentCommand) {
    QStringList lines;
    QStringList busErrors;
    if (!splitSerial(raw, sentCommand, lines, busErrors))
        return std::nullopt;
    // One control unit's error says nothing about the others' answers.
    if (lines.isEmpty())
        return busErrors.join(QLatin1Char(' '));
    const QList<Message> messages = parseFrames(lines);
    if (!messages.isEmpty())
        return toIsoLayout(messages);
    return answer_text::pack(lines.join(QLatin1Char(' ')));
}

QList<Message> messagesOf(const QByteArray& raw, const QString& sentCommand) {
    QStringList lines;
    QStringList busErrors;
    if (!splitSerial(raw, sentCommand, lines, busErrors))
        return {};
    QList<Message> messages = parseFrames(lines);
    messages.removeIf([](const Message& message) { return message.bytes.isEmpty(); });
    return messages;
}

int messageCount(const QByteArray& raw, const QString& sentCommand) {
    return int(messagesOf(raw, sentCommand).size());
}

} // namespace can_answer
