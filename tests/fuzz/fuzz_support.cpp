#include "tests/fuzz/fuzz_target.h"

#include <cstdio>
#include <cstdlib>

void fuzzRequire(bool promiseKept, const char* promise) {
    if (promiseKept)
        return;
#ifdef QUORVANE_FUZZ_MAIN
    std::fprintf(stderr, "promise broken: %s\n", promise);
    std::abort();
#else
    throw fuzz_registry::Finding(promise);
#endif
}

void fuzzRequireShowable(QStringView text, const char* promise) {
    for (QChar c : text)
        fuzzRequire(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F), promise);
}
