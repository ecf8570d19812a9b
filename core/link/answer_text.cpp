#include "core/link/answer_text.h"

#include <QStringList>

namespace {

// Only the exact lines of a search that went well; "BUS INIT: ...ERROR" is the answer itself.
bool isStatusLine(const QString& line) {
    return line == QLatin1String("SEARCHING...") || line == QLatin1String("BUS INIT: ...OK");
}

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The text with the echo and the status lines cut out, each with its line end.
QString withoutChipLines(const QString& text, const QString& sentCommand) {
    QString kept;
    kept.reserve(text.size());
    bool firstLine = true;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = begin;
        while (end < text.size() && !isLineEnd(text.at(end)))
            ++end;
        const QString line = answer_text::trimControls(text.mid(begin, end - begin));
        const bool echo = firstLine && !sentCommand.isEmpty() && line == sentCommand;
        if (!line.isEmpty())
            firstLine = false;
        if (!echo && !isStatusLine(line))
            kept += answer_text::upperHex(text.mid(begin, end + 1 - begin));
        begin = end + 1;
    }
    return kept;
}

} // namespace

namespace answer_text {

QString upperHex(const QString& line) {
    bool letters = false;
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F'))
            letters = true;
        else if (!(u >= '0' && u <= '9') && u != ':' && u > 32)
            return line;
    }
    return letters ? line.toUpper() : line;
}

QString trimControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString pack(const QString& text) {
    if (!text.startsWith(QLatin1Char('4')))
        return text;
    QString packed = text;
    packed.remove(QLatin1Char(' '));
    return trimControls(packed);
}

LinkAnswer fromSerial(const QByteArray& raw, const QString& sentCommand) {
    // Bytes are 8-bit characters as the interface sends them.
    const QString text = QString::fromLatin1(raw);
    const qsizetype prompt = text.indexOf(QLatin1Char('>'));
    if (prompt < 0)
        return std::nullopt;
    // Only what came before the prompt can hold the chip's own lines.
    QString buffer =
        withoutChipLines(text.left(prompt), sentCommand) + QLatin1Char(' ') + text.mid(prompt + 1);
    buffer.replace(QLatin1Char('\r'), QLatin1Char(' '));
    buffer.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return pack(trimControls(buffer));
}

LinkAnswer linesFromSerial(const QByteArray& raw, const QString& sentCommand) {
    const QString text = QString::fromLatin1(raw);
    const qsizetype prompt = text.indexOf(QLatin1Char('>'));
    if (prompt < 0)
        return std::nullopt;
    QStringList lines;
    qsizetype begin = 0;
    while (begin < prompt) {
        qsizetype end = begin;
        while (end < prompt && !isLineEnd(text.at(end)))
            ++end;
        const QString line = trimControls(text.mid(begin, end - begin));
        if (!line.isEmpty() && !(lines.isEmpty() && line == sentCommand))
            lines << line;
        begin = end + 1;
    }
    return lines.join(QLatin1Char('\n'));
}

QString fromSimulation(const QString& answer) {
    return pack(trimControls(answer));
}

} // namespace answer_text
