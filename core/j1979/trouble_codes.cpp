#include "core/j1979/trouble_codes.h"

#include "core/j1979/negative_response.h"
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
TroubleCodeList codesOfFrames(const LinkAnswer& reply, QLatin1String responseCode) {
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

// Each unit's codes with its address; nothing as soon as one unit's part is not read.
UnitCodeList codesByUnit(const UnitAnswers& parts, QLatin1String responseCode) {
    if (!parts || parts->isEmpty())
        return std::nullopt;
    QList<UnitCode> codes;
    for (const UnitAnswer& part : *parts) {
        const TroubleCodeList unitCodes = codesOfFrames(part.answer, responseCode);
        if (!unitCodes)
            return std::nullopt;
        for (const QString& code : *unitCodes)
            codes.append({code, part.unit});
    }
    return codes;
}

} // namespace

TroubleCodeList plainCodes(const UnitCodeList& codes) {
    if (!codes)
        return std::nullopt;
    QStringList plain;
    plain.reserve(codes->size());
    for (const UnitCode& code : *codes)
        plain << code.code;
    return plain;
}

UnitCodeList withoutUnits(const TroubleCodeList& codes) {
    if (!codes)
        return std::nullopt;
    QList<UnitCode> listed;
    listed.reserve(codes->size());
    for (const QString& code : *codes)
        listed.append({code, QString()});
    return listed;
}

UnitCodeList Service03::storedCodesByUnit(CommandLink& link) const {
    return codesByUnit(link.exchangePerUnit(QStringLiteral("03")), QLatin1String("43"));
}

TroubleCodeList Service03::storedCodes(CommandLink& link) const {
    return plainCodes(storedCodesByUnit(link));
}

UnitCodeList Service07::pendingCodesByUnit(CommandLink& link) const {
    return codesByUnit(link.exchangePerUnit(QStringLiteral("07")), QLatin1String("47"));
}

TroubleCodeList Service07::pendingCodes(CommandLink& link) const {
    return plainCodes(pendingCodesByUnit(link));
}

PermanentCodes Service0A::permanentCodes(CommandLink& link) const {
    const UnitAnswers parts = link.exchangePerUnit(QStringLiteral("0A"));
    if (!parts || parts->isEmpty())
        return {};
    PermanentCodes result;
    bool anyAnswered = false;
    for (const UnitAnswer& part : *parts) {
        const auto refusal = negative_response::parse(part.answer);
        if ((refusal && refusal->service == 0x0A) ||
            part.answer.trimmed() == QLatin1String("NO DATA"))
            continue;
        const TroubleCodeList unitCodes = codesOfFrames(part.answer, QLatin1String("4A"));
        if (!unitCodes)
            return {};
        anyAnswered = true;
        for (const QString& code : *unitCodes)
            result.codes.append({code, part.unit});
    }
    result.state = anyAnswered ? PermanentCodes::State::Read : PermanentCodes::State::NotSupported;
    return result;
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
