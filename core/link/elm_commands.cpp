#include "core/link/elm_commands.h"

#include "core/l10n/const_str.h"
#include "core/link/elm_exchange.h"

namespace {

// Sends the command when commands can go out; the result is `success` (or the whole answer when
// `success` is empty) if the answer contains `marker`, else the sentinel.
QString runWrapper(ElmExchange& link, const QString& command, const QString& marker,
                   const QString& success) {
    if (!link.channelReady())
        return const_str::Error;
    const QString answer = link.exchange(command);
    if (!answer.contains(marker))
        return const_str::Error;
    return success.isNull() ? answer : success;
}

} // namespace

QString elmReset(ElmExchange& link) {
    return runWrapper(link, QStringLiteral("ATZ"), QStringLiteral("ELM32"), QStringLiteral("OK"));
}

QString elmIdentify(ElmExchange& link) {
    return runWrapper(link, QStringLiteral("ATI"), QStringLiteral("ELM32"), QString());
}

QString elmEcho(ElmExchange& link, bool on) {
    return runWrapper(link, on ? QStringLiteral("ATE1") : QStringLiteral("ATE0"),
                      QStringLiteral("OK"), QStringLiteral("OK"));
}

QString elmLinefeeds(ElmExchange& link, bool on) {
    return runWrapper(link, on ? QStringLiteral("ATL1") : QStringLiteral("ATL0"),
                      QStringLiteral("OK"), QStringLiteral("OK"));
}
