// The cleaning of what the interface printed into the answer text every reader relies on.

#include "core/link/answer_text.h"
#include "core/link/visible_text.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

void requireCleanAnswer(const QString& answer) {
    fuzzRequire(answer.isEmpty() || (answer.front().unicode() > 32 && answer.back().unicode() > 32),
                "an answer is trimmed");
    fuzzRequire(!answer.startsWith(QLatin1Char('4')) || !answer.contains(QLatin1Char(' ')),
                "a positive response is packed");
}

} // namespace

QUORVANE_FUZZ_TARGET(answer_cleaning) {
    const QByteArray raw = input.toByteArray();
    const LinkAnswer answer = answer_text::fromSerial(raw);
    if (!raw.contains('>'))
        fuzzRequire(!answer, "no prompt gives no answer");
    const QString serial = answer.value_or(QString());
    requireCleanAnswer(serial);
    requireCleanAnswer(answer_text::fromSimulation(QString::fromLatin1(raw)));

    const QString shown = visibleText(serial);
    fuzzRequireShowable(shown, "a shown answer holds no control character");
    fuzzRequire(visibleText(shown) == shown, "a shown text is its own shown text");
    // The same promises for text that is no Latin-1 (the helper also guards UTF-8 texts).
    const QString utf8 = QString::fromUtf8(raw);
    const QString shownUtf8 = visibleText(utf8);
    fuzzRequire(visibleText(shownUtf8) == shownUtf8, "a shown UTF-8 text is its own shown text");
}
