#include "core/j1979/pid_request.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/response_fields.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"

PidValue requestPidValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                         int expectedService, const QString& frame, int dataPosition,
                         bool english) {
    const QString service = response_fields::firstTwo(serviceText);
    if (hexToInt(service) != expectedService) {
        return std::nullopt;
    }
    const QString pid = response_fields::firstTwo(pidText);
    const qint64 pidNumber = hexToInt(pid);
    if (pidNumber < 1) {
        return const_str::NotAvailable;
    }
    if (!pid_decoder::isRequested(int(pidNumber))) {
        return std::nullopt;
    }
    const LinkAnswer reply = link.exchange(service + pid + frame);
    // The data are read from the start of the answer even when the response stands further on.
    if (!reply || !reply->contains(response_fields::responseCode(service) + pid)) {
        return std::nullopt;
    }
    const QString& answer = *reply;
    // A header without its data bytes (or with some of them) is no value: decoding it would show
    // a number the vehicle never sent.
    const int needed = pid_decoder::dataByteCount(int(pidNumber));
    if (answer.size() < dataPosition - 1 + 2 * qsizetype(needed)) {
        return std::nullopt;
    }
    return pid_decoder::decodePid(int(pidNumber), answer, dataPosition, english);
}
