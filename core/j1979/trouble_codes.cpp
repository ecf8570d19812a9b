#include "core/j1979/trouble_codes.h"

#include "core/j1979/trouble_code_text.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/link/command_link.h"

namespace {

constexpr qsizetype frameLength = 14;
constexpr int codesPerFrame = 3;

// The codes of the whole frames of a service 03 or 07 answer. Each frame is the response code and
// three four-digit codes; the response codes of the second and later frames are not examined, and
// characters after the last whole frame are ignored.
TroubleCodeList codesOfFrames(const LinkAnswer& reply, const QLatin1String& responseCode) {
    if (!reply || !reply->startsWith(responseCode)) {
        return std::nullopt;
    }
    const QString& answer = *reply;
    QStringList codes;
    const qsizetype frames = answer.size() / frameLength;
    for (qsizetype frame = 0; frame < frames; ++frame) {
        for (int n = 0; n < codesPerFrame; ++n) {
            const auto code = decodeTroubleCode(answer.mid(frame * frameLength + 2 + 4 * n, 4));
            if (code && *code != QLatin1String("P0000")) {
                codes << *code;
            }
        }
    }
    return codes;
}

} // namespace

TroubleCodeList Service03::storedCodes(CommandLink& link) const {
    return codesOfFrames(link.exchange(QStringLiteral("03")), QLatin1String("43"));
}

TroubleCodeList Service07::pendingCodes(CommandLink& link) const {
    return codesOfFrames(link.exchange(QStringLiteral("07")), QLatin1String("47"));
}

bool clearTroubleCodes(CommandLink& link, UserNotifier& notifier) {
    const LinkAnswer answer = link.exchange(QStringLiteral("04"));
    const bool cleared = answer && answer->startsWith(QLatin1String("44"));
    if (cleared) {
        notifier.showMessage(UserNotifier::Icon::Information, const_str::TroubleCodesCleared);
    } else {
        notifier.showMessage(UserNotifier::Icon::Error, const_str::TroubleCodesNotCleared);
    }
    return cleared;
}
