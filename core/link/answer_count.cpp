#include "core/link/answer_count.h"

namespace {

bool isHexDigit(QChar c) {
    return c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// "01" and one PID: the form of every current-data request.
bool isCurrentDataRequest(const QString& command) {
    return command.size() == 4 && command.startsWith(QLatin1String("01")) &&
           isHexDigit(command.at(2)) && isHexDigit(command.at(3));
}

} // namespace

void AnswerCount::start(int units) {
    m_units = units >= 1 && units <= 15 ? units : 0;
    m_plain.clear();
}

QString AnswerCount::countedRequest(const QString& command) const {
    if (!active() || !isCurrentDataRequest(command) || m_plain.contains(command))
        return QString();
    return command + QString::number(m_units, 16).toUpper();
}

AnswerCount::Verdict AnswerCount::judge(const QString& command, const LinkAnswer& answer,
                                        int responses) {
    if (answer == QLatin1String("?")) {
        // A chip that names itself v1.3 or later but does not know the digit.
        start(0);
        return Verdict::SendPlain;
    }
    if (responses >= m_units)
        return Verdict::Keep;
    m_plain.insert(command);
    // No whole answer at all (the interface fell silent): asking again would double the wait
    // for an interface that has stopped answering.
    if (!answer)
        return Verdict::Keep;
    return Verdict::SendPlain;
}
