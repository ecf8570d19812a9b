// An answer printed with headers, split by control unit: CAN identifiers and the K-line and
// J1850 headers with their length and check bytes.

#include "core/link/unit_headers.h"
#include "tests/fuzz/fuzz_target.h"

#include <QSet>

QUORVANE_FUZZ_TARGET(unit_headers) {
    const QByteArray raw = input.toByteArray();
    for (const bool can : {false, true}) {
        const unit_headers::Split split = unit_headers::split(raw, QStringLiteral("0100"), can);
        fuzzRequire(!split.headerless || split.parts.isEmpty(),
                    "an answer without headers has no units");
        if (!raw.contains('>'))
            fuzzRequire(split.parts.isEmpty() && !split.headerless, "no prompt gives nothing");
        QSet<QString> units;
        for (const UnitAnswer& part : split.parts) {
            fuzzRequire(!part.unit.isEmpty(), "every part names its unit");
            fuzzRequire(!units.contains(part.unit), "one part per unit");
            units.insert(part.unit);
            fuzzRequire(!part.answer.startsWith(QLatin1Char('4')) ||
                            !part.answer.contains(QLatin1Char(' ')),
                        "a positive response is packed");
        }
    }
}
