// Recordings given to the emulator's replay: its own JSON Lines, communication logs, anything.
// The anonymizer reads the same answers, so it goes over every recorded one as well.

#include "core/link/recording_format.h"
#include "core/link/recording_privacy.h"
#include "core/link/recording_reader.h"
#include "tests/fuzz/fuzz_target.h"

#include <map>

QUORVANE_FUZZ_TARGET(session_recording) {
    const QByteArray bytes = input.toByteArray();
    auto result = recording_reader::read(bytes);
    if (const auto* error = std::get_if<recording_reader::Error>(&result)) {
        fuzzRequire(!error->reason.isEmpty(), "a refusal says why");
        fuzzRequire(error->line >= 0 && error->line <= bytes.count('\n') + 1,
                    "a refusal names a line of the input");
        return;
    }
    const auto& session = std::get<recording_reader::Session>(result);
    fuzzRequire(!session.exchanges.empty(), "a session has exchanges");
    std::map<QString, QString> placeholders;
    for (const recording_reader::Exchange& exchange : session.exchanges) {
        fuzzRequire(exchange.ms >= 0, "answers take no negative time");
        const QString anonymous =
            anonymizedAnswer(QStringLiteral("0902"), exchange.answer, placeholders);
        fuzzRequire(anonymous.size() == exchange.answer.size(), "placeholders keep the length");
        recording_format::answerLines(exchange.answer, exchange.command);
    }
}
