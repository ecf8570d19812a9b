#include "core/j1979/pid_request.h"

#include "core/j1979/extended_pids.h"
#include "core/j1979/hex_conversions.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/response_fields.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"

int valueCount(int pid) {
    const extended_pids::PidDescription* description = extended_pids::describe(pid);
    return description != nullptr ? int(description->subValues.size()) : 1;
}

QList<PidValue> requestPidValues(CommandLink& link, const QString& serviceText,
                                 const QString& pidText, int expectedService, const QString& frame,
                                 int dataPosition, bool english) {
    const QString service = response_fields::firstTwo(serviceText);
    if (hexToInt(service) != expectedService) {
        return {std::nullopt};
    }
    const QString pid = response_fields::firstTwo(pidText);
    const qint64 pidNumber = hexToInt(pid);
    if (pidNumber < 1) {
        return {const_str::NotAvailable};
    }
    QList<PidValue> values(valueCount(int(pidNumber)));
    if (!pid_decoder::isRequested(int(pidNumber))) {
        return values;
    }
    const LinkAnswer reply = link.exchange(service + pid + frame);
    // The data are read from the start of the answer even when the response stands further on.
    if (!reply || !reply->contains(response_fields::responseCode(service) + pid)) {
        return values;
    }
    const QString& answer = *reply;
    // A header without its data bytes (or with some of them) is no value: decoding it would show
    // a number the vehicle never sent.
    const int needed = pid_decoder::dataByteCount(int(pidNumber));
    if (answer.size() < dataPosition - 1 + 2 * qsizetype(needed)) {
        return values;
    }
    return decodePidValues(int(pidNumber), answer, dataPosition, english);
}

QList<PidValue> decodePidValues(int pid, const QString& answer, int dataPosition, bool english) {
    QList<PidValue> values(valueCount(pid));
    for (int n = 0; n < values.size(); ++n)
        values[n] = pid_decoder::decodePid(pid, answer, dataPosition, english, n);
    return values;
}

PidValue requestPidValue(CommandLink& link, const QString& serviceText, const QString& pidText,
                         int expectedService, const QString& frame, int dataPosition,
                         bool english) {
    return requestPidValues(link, serviceText, pidText, expectedService, frame, dataPosition,
                            english)
        .value(0);
}
