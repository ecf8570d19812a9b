#include "core/j1979/service02.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/pid_request.h"
#include "core/j1979/response_fields.h"
#include "core/j1979/trouble_code_text.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"

bool Service02::readSupported(CommandLink& link) {
    m_supported = readSupportedPids(link, QStringLiteral("02"), QStringLiteral("00"));
    return true;
}

PidValue Service02::freezeFrameValue(CommandLink& link, const QString& serviceText,
                                     const QString& pidText, bool english,
                                     const QString& frameText) const {
    // The frame number follows the PID, so the data stand one byte further on.
    return requestPidValue(link, serviceText, pidText, 2, response_fields::firstTwo(frameText), 7,
                           english);
}

QList<PidValue> Service02::freezeFrameValues(CommandLink& link, const QString& pidText,
                                             bool english, const QString& frameText) const {
    return requestPidValues(link, QStringLiteral("02"), pidText, 2,
                            response_fields::firstTwo(frameText), 7, english);
}

TroubleCodeList Service02::freezeFrameCode(CommandLink& link) const {
    const LinkAnswer answer = link.exchange(QStringLiteral("020200"));
    // "42", PID, frame number and the four digits of the code.
    constexpr qsizetype codeEnd = 10;
    if (!answer || !answer->startsWith(QLatin1String("42")) || answer->size() < codeEnd) {
        return std::nullopt;
    }
    const auto code = decodeTroubleCode(answer->mid(6, 4));
    if (!code || *code == QLatin1String("P0000")) {
        return QStringList();
    }
    return QStringList{*code};
}
