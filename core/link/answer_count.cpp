#include "core/link/answer_count.h"

#include <QList>
#include <algorithm>

namespace {

bool isHexDigit(QChar c) {
    return c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isPackedHex(const QString& text) {
    for (QChar c : text)
        if (!isHexDigit(c))
            return false;
    return true;
}

// The requests that every answering unit answers with one message: "01" and one to six PIDs,
// "02", a PID and the frame number, "09" and an InfoType, and the code lists 03, 07 and 0A (on
// CAN one message a unit however many codes it holds, a unit without codes included).
bool isCountable(const QString& command) {
    if (command.size() % 2 != 0 || !isPackedHex(command))
        return false;
    if (command == QLatin1String("03") || command == QLatin1String("07") ||
        command == QLatin1String("0A"))
        return true;
    if (command.startsWith(QLatin1String("01")))
        return command.size() >= 4 && command.size() <= 14;
    if (command.startsWith(QLatin1String("02")))
        return command.size() == 6;
    if (command.startsWith(QLatin1String("09")))
        return command.size() == 4;
    return false;
}

// The PIDs (service 01, 02) or InfoType (09) a request asks for; none for other requests.
QList<int> itemsOf(const QString& command) {
    QList<int> items;
    if (command.startsWith(QLatin1String("01"))) {
        for (qsizetype at = 2; at + 2 <= command.size(); at += 2)
            items << command.mid(at, 2).toInt(nullptr, 16);
    } else if (command.startsWith(QLatin1String("02")) || command.startsWith(QLatin1String("09"))) {
        items << command.mid(2, 2).toInt(nullptr, 16);
    }
    return items;
}

// The supported-set request that announces the item: 00 for 01 to 20, 20 for 21 to 40, ...
int announcedBy(int item) {
    return item == 0 ? 0 : ((item - 1) / 0x20) * 0x20;
}

int blockKey(const QString& command, int announcing) {
    return command.left(2).toInt(nullptr, 16) * 0x100 + announcing;
}

} // namespace

void AnswerCount::start(int units) {
    m_units = units >= 1 && units <= 15 ? units : 0;
    m_learned.clear();
    m_blockUnits.clear();
}

int AnswerCount::firstCount(const QString& command) const {
    const QList<int> items = itemsOf(command);
    if (items.isEmpty())
        return m_units;
    int count = 0;
    for (int item : items)
        count = std::max(count, m_blockUnits.value(blockKey(command, announcedBy(item)), m_units));
    return count;
}

QString AnswerCount::countedRequest(const QString& command) const {
    if (!active() || !isCountable(command))
        return QString();
    const int count = m_learned.value(command, firstCount(command));
    if (count < 1)
        return QString();
    return command + QString::number(count, 16).toUpper();
}

AnswerCount::Verdict AnswerCount::judge(const QString& command, const LinkAnswer& answer,
                                        int responses) {
    if (answer == QLatin1String("?")) {
        // A chip that names itself v1.3 or later but does not know the digit.
        start(0);
        return Verdict::SendPlain;
    }
    // A supported-set request ("0120", "020000", "0900") is answered by every unit that has any
    // of the items it announces: their requests need expect no more.
    if (const QList<int> items = itemsOf(command); items.size() == 1 && items.first() % 0x20 == 0)
        m_blockUnits.insert(blockKey(command, items.first()), responses);
    const int sentCount = m_learned.value(command, firstCount(command));
    if (responses >= sentCount)
        return Verdict::Keep;
    // Fewer came than were expected: the chip has waited its time-out for the rest and passed
    // on every answer that came, so the answer stands and the request learns its number. None at
    // all (NO DATA, or the interface fell silent): asking again would only double the wait.
    m_learned.insert(command, responses > 0 ? responses : 0);
    return Verdict::Keep;
}
