// Compiled message catalogues (.mo) from the locale directory.

#include "core/l10n/mo_catalogue.h"
#include "tests/fuzz/fuzz_target.h"

QUORVANE_FUZZ_TARGET(mo_catalogue) {
    MoCatalogue catalogue;
    const bool read = catalogue.parse(input.toByteArray());
    fuzzRequire(read || catalogue.isEmpty(), "a rejected catalogue holds nothing");
    (void)catalogue.find(QByteArrayLiteral("Value"));
    (void)catalogue.find(QByteArray());
    (void)catalogue.headerField(QStringLiteral("Language"));
}
