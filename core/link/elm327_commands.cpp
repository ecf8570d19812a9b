#include "core/link/elm327_commands.h"

#include "core/link/elm_exchange.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// A setting the chip confirms with "OK".
ElmReply okCommand(ElmExchange& link, const QString& command) {
    if (!link.channelReady())
        return std::nullopt;
    const LinkAnswer answer = link.exchange(command);
    if (!answer || !answer->contains(QLatin1String("OK")))
        return std::nullopt;
    return QStringLiteral("OK");
}

} // namespace

bool isElm327(const QString& chipVersion) {
    return chipVersion.contains(QLatin1String("ELM327"));
}

bool takesAnswerCount(const QString& chipVersion) {
    if (!isElm327(chipVersion))
        return false;
    // "ELM327 v1.5", "ELM327 v2.1", "ELM327 v1.3a": major and minor number after the "v".
    static const QRegularExpression version(QStringLiteral("ELM327\\s*v(\\d{1,3})\\.(\\d{1,3})"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = version.match(chipVersion);
    if (!match.hasMatch())
        return false;
    const int major = match.captured(1).toInt();
    const int minor = match.captured(2).toInt();
    return major > 1 || (major == 1 && minor >= 3);
}

ElmReply elmAdaptiveTiming(ElmExchange& link) {
    return okCommand(link, QStringLiteral("ATAT1"));
}

ElmReply elmSpacesOff(ElmExchange& link) {
    return okCommand(link, QStringLiteral("ATS0"));
}

ElmReply elmProtocolNumber(ElmExchange& link) {
    if (!link.channelReady())
        return std::nullopt;
    const LinkAnswer reply = link.exchange(QStringLiteral("ATDPN"));
    if (!reply)
        return std::nullopt;
    const QString& answer = *reply;
    // "A6", "6": one protocol digit (1..C), optionally after the "A".
    const QString number =
        answer.startsWith(QLatin1Char('A')) && answer.size() == 2 ? answer.mid(1) : answer;
    bool ok = false;
    const int value = number.toInt(&ok, 16);
    if (number.size() != 1 || !ok || value > 0xC)
        return std::nullopt;
    return answer;
}

bool isFixedProtocol(const QString& protocolNumber) {
    return protocolNumber.size() == 1 && protocolNumber != QLatin1String("0");
}

ElmReply elmAutomaticProtocol(ElmExchange& link) {
    return elmSetProtocol(link, QStringLiteral("0"));
}

ElmReply elmSetProtocol(ElmExchange& link, const QString& digit) {
    return okCommand(link, QStringLiteral("ATSP") + digit);
}

ElmReply elmTimeout(ElmExchange& link, int ms) {
    // Steps of 4 ms, 01 to FF; 00 would mean the chip's default.
    const int steps = std::clamp((ms + 3) / 4, 1, 0xFF);
    return okCommand(link, QStringLiteral("ATST%1").arg(steps, 2, 16, QLatin1Char('0')).toUpper());
}
