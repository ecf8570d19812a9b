// The service 01 and 02 readers: supported-PID bitmaps, the ECU check, monitor status, OBD type,
// every PID's value decoding and the freeze frame, against answers from the input.

#include "core/connection/freeze_frame_reading.h"
#include "core/j1979/hex_conversions.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/pid_decoder.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service01.h"
#include "core/j1979/service02.h"
#include "core/j1979/supported_pids.h"
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_target.h"

// Non-hexadecimal data end the action with HexConversionError, as specified; anything else that
// escapes, or a crash, is a finding.
QUORVANE_FUZZ_TARGET(pid_values) {
    if (input.size() < 2)
        return;
    const int pid = quint8(input[0]);
    const bool english = input[1] & 1;
    const bool serviceTwo = input[1] & 2;
    const QByteArrayView rest = input.sliced(2);

    try {
        const QString answer = answer_text::fromSerial(rest.toByteArray() + '>').value_or("");
        (void)pid_decoder::decodePid(pid, answer, serviceTwo ? 7 : 5, english);
    } catch (const HexConversionError&) {
    }
    try {
        const QString answer = answer_text::fromSerial(rest.toByteArray() + '>').value_or("");
        (void)parseMonitorStatus(answer);
        (void)parseDriveCycleStatus(answer);
    } catch (const HexConversionError&) {
    }
    try {
        FuzzLink link(rest, false);
        Service01 service01;
        service01.readStatus(link);
        (void)service01.pidValue(link, QStringLiteral("01"),
                                 QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper(),
                                 english);
        (void)checkEcuConnection(link);
    } catch (const HexConversionError&) {
    }
    try {
        FuzzLink link(rest, input[1] & 4);
        Service02 service02;
        service02.readSupported(link);
        const FreezeFrameReading reading =
            readFreezeFrameData(link, service02, buildPidCatalogue(), english);
        fuzzRequire(!reading.codes || reading.codes->size() <= 1,
                    "a freeze frame names at most one code");
    } catch (const HexConversionError&) {
    }
}
