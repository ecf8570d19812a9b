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
