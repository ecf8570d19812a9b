#include "j1979/mode02.h"

#include "app/const_str.h"
#include "j1979/hex_conversions.h"
#include "j1979/pid_decoder.h"
#include "j1979/response_fields.h"
#include "j1979/trouble_code_text.h"
#include "link/command_link.h"

bool TMode02::ReadSupported(CommandLink& link) {
    m_supported = ReadSupportedPIDs(link, QStringLiteral("02"), QStringLiteral("00"));
    return true;
}

QString TMode02::GetFreezeFrameValue(CommandLink& link, const QString& serviceText,
                                     const QString& pidText, bool english,
                                     const QString& frameText) const {
    const QString service = response_fields::firstTwo(serviceText);
    if (HexToInt(service) != 2) {
        return const_str::Error;
    }
    const QString pid = response_fields::firstTwo(pidText);
    const qint64 pidNumber = HexToInt(pid);
    if (pidNumber < 1) {
        return const_str::NotAvailable;
    }
    if (!pid_decoder::IsRequested(int(pidNumber))) {
        return const_str::Error;
    }
    const QString answer = link.Exchange(service + pid + response_fields::firstTwo(frameText));
    if (!answer.contains(response_fields::responseCode(service) + pid)) {
        return const_str::Error;
    }
    return pid_decoder::DecodePid(int(pidNumber), answer, 7, english);
}

QStringList TMode02::GetFreezeFrameCode(CommandLink& link) const {
    const QString answer = link.Exchange(QStringLiteral("020200"));
    if (!answer.startsWith(QLatin1String("42"))) {
        return {};
    }
    const auto code = DecodeTroubleCode(answer.mid(6, 4));
    if (!code || *code == QLatin1String("P0000")) {
        return {};
    }
    return {*code};
}
