// The trouble-code readers of services 03, 07 and 04.

#include "core/j1979/trouble_codes.h"
#include "core/j1979/hex_conversions.h"
#include "core/j1979/trouble_code_text.h"
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/recording_notifier.h"

namespace {

// A list that could not be read holds nothing to check.
void requireShowableCodes(const TroubleCodeList& codes) {
    if (!codes)
        return;
    for (const QString& code : *codes) {
        fuzzRequire(code.size() >= 5, "a code has its prefix and three characters");
        fuzzRequireShowable(code, "a code holds no control character");
    }
}

} // namespace

QUORVANE_FUZZ_TARGET(trouble_codes) {
    if (input.isEmpty())
        return;
    FuzzLink link(input.sliced(1), input[0] & 1);
    requireShowableCodes(Service03().storedCodes(link));
    requireShowableCodes(Service07().pendingCodes(link));
    RecordingNotifier notifier;
    (void)clearTroubleCodes(link, notifier);
    if (const auto code = decodeTroubleCode(
            QString::fromLatin1(input.first(std::min<qsizetype>(4, input.size())))))
        requireShowableCodes(QStringList{*code});
}
