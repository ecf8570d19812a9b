#include "core/link/elm_commands.h"

#include "core/link/elm_exchange.h"

namespace {

// Sends the command when commands can go out; the result is `success` (or the whole answer when
// `success` is empty) if the answer contains `marker`.
ElmReply runWrapper(ElmExchange& link, const QString& command, const QString& marker,
                    const QString& success, int settleMs = 0) {
    if (!link.channelReady())
        return std::nullopt;
    const LinkAnswer answer =
        settleMs > 0 ? link.exchangeSettled(command, settleMs) : link.exchange(command);
    if (!answer || !answer->contains(marker))
        return std::nullopt;
    return success.isNull() ? answer : success;
}

} // namespace

ElmReply elmReset(ElmExchange& link, int settleMs) {
    return runWrapper(link, QStringLiteral("ATZ"), QStringLiteral("ELM32"), QStringLiteral("OK"),
                      settleMs);
}

ElmReply elmIdentify(ElmExchange& link) {
    return runWrapper(link, QStringLiteral("ATI"), QStringLiteral("ELM32"), QString());
}

ElmReply elmEcho(ElmExchange& link, bool on) {
    return runWrapper(link, on ? QStringLiteral("ATE1") : QStringLiteral("ATE0"),
                      QStringLiteral("OK"), QStringLiteral("OK"));
}

ElmReply elmLinefeeds(ElmExchange& link, bool on) {
    return runWrapper(link, on ? QStringLiteral("ATL1") : QStringLiteral("ATL0"),
                      QStringLiteral("OK"), QStringLiteral("OK"));
}
