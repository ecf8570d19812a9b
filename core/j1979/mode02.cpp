#include "core/j1979/mode02.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/pid_request.h"
#include "core/j1979/response_fields.h"
#include "core/j1979/trouble_code_text.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"

bool TMode02::ReadSupported(CommandLink& link) {
    m_supported = ReadSupportedPIDs(link, QStringLiteral("02"), QStringLiteral("00"));
    return true;
}

QString TMode02::GetFreezeFrameValue(CommandLink& link, const QString& serviceText,
                                     const QString& pidText, bool english,
                                     const QString& frameText) const {
    // The frame number follows the PID, so the data stand one byte further on.
    return RequestPidValue(link, serviceText, pidText, 2, response_fields::firstTwo(frameText), 7,
                           english);
}

TroubleCodeList TMode02::GetFreezeFrameCode(CommandLink& link) const {
    const QString answer = link.Exchange(QStringLiteral("020200"));
    // "42", PID, frame number and the four digits of the code.
    constexpr qsizetype codeEnd = 10;
    if (!answer.startsWith(QLatin1String("42")) || answer.size() < codeEnd) {
        return std::nullopt;
    }
    const auto code = DecodeTroubleCode(answer.mid(6, 4));
    if (!code || *code == QLatin1String("P0000")) {
        return QStringList();
    }
    return QStringList{*code};
}
