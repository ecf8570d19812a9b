#include "core/link/answer_text.h"

namespace answer_text {

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

LinkAnswer fromSerial(const QByteArray& raw) {
    // Bytes are 8-bit characters as the interface sends them.
    QString buffer = QString::fromLatin1(raw);
    const qsizetype prompt = buffer.indexOf(QLatin1Char('>'));
    if (prompt < 0)
        return std::nullopt;
    buffer[prompt] = QLatin1Char(' ');
    buffer.replace(QLatin1Char('\r'), QLatin1Char(' '));
    buffer.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return pack(trimControls(buffer));
}

QString fromSimulation(const QString& answer) {
    return pack(trimControls(answer));
}

} // namespace answer_text
