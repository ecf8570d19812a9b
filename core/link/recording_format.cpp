#include "core/link/recording_format.h"

namespace recording_format {

namespace {

bool isHex(QStringView text) {
    for (QChar c : text)
        if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F')))
            return false;
    return !text.isEmpty();
}

// The answer's one line, when it has exactly one.
QString onlyLine(const QString& answer, const QString& command) {
    const QStringList lines = answerLines(answer, command);
    return lines.size() == 1 ? lines.first() : QString();
}

} // namespace

QString requestKey(const QString& command) {
    QString key = command.toUpper();
    key.remove(QLatin1Char(' '));
    if (key.size() >= 3 && key.size() % 2 == 1 && isHex(key))
        key.chop(1);
    return key;
}

QStringList answerLines(const QString& answer, const QString& command) {
    const qsizetype prompt = answer.indexOf(QLatin1Char('>'));
    const QString text = prompt < 0 ? answer : answer.left(prompt);
    QStringList lines;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\r') &&
               text[end] != QLatin1Char('\n'))
            ++end;
        const QString line = text.mid(start, end - start).trimmed();
        if (!line.isEmpty())
            lines << line;
        start = end + 1;
    }
    if (!lines.isEmpty() && requestKey(lines.first()) == requestKey(command))
        lines.removeFirst();
    return lines;
}

QString interfaceName(const QString& command, const QString& answer) {
    const QString key = requestKey(command);
    if (key != QLatin1String("ATI") && key != QLatin1String("ATZ"))
        return {};
    const QStringList lines = answerLines(answer, command);
    return lines.isEmpty() ? QString() : lines.last().left(64);
}

QString protocolNumber(const QString& command, const QString& answer) {
    if (requestKey(command) != QLatin1String("ATDPN"))
        return {};
    QString number = onlyLine(answer, command);
    // "A6": found by the chip's own search.
    if (number.startsWith(QLatin1Char('A')))
        number.remove(0, 1);
    return number.size() == 1 && isHex(number) ? number : QString();
}

} // namespace recording_format
