#include "core/j1979/trouble_codes.h"

#include "core/j1979/trouble_code_text.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/link/command_link.h"

namespace {

constexpr qsizetype frameLength = 14;
constexpr int codesPerFrame = 3;

bool isHexDigits(const QString& text) {
    for (QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('F')))) {
            return false;
        }
    }
    return true;
}

// The codes of a service 03 or 07 answer: whole frames of the response code and three four-digit
// codes each. An answer cut inside a frame, a frame that does not start with the response code or
// a code that is not four upper-case hexadecimal digits makes the whole answer unread: a list with
// a code missing or invented would look like the vehicle's own.
TroubleCodeList codesOfFrames(const LinkAnswer& reply, const QLatin1String& responseCode) {
    if (!reply || reply->isEmpty() || reply->size() % frameLength != 0) {
        return std::nullopt;
    }
    const QString& answer = *reply;
    QStringList codes;
    for (qsizetype frame = 0; frame < answer.size(); frame += frameLength) {
        if (QStringView(answer).mid(frame, 2) != responseCode) {
            return std::nullopt;
        }
        for (int n = 0; n < codesPerFrame; ++n) {
            const QString digits = answer.mid(frame + 2 + 4 * n, 4);
            const auto code = decodeTroubleCode(digits);
            if (!code || !isHexDigits(digits)) {
                return std::nullopt;
            }
            if (*code != QLatin1String("P0000")) {
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
