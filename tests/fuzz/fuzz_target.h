#pragma once

// One fuzzing target: a function from untrusted bytes to nothing, which must neither crash, nor
// leak, nor break one of the reader's promises (checked with fuzzRequire). Each target file is
// built twice: as a libFuzzer program (`tools/dev fuzz`, with QUORVANE_FUZZ_MAIN) and into the
// normal suite, which replays the target's seed corpus through the same function.
//
//   QUORVANE_FUZZ_TARGET(mo_catalogue) {
//       MoCatalogue catalogue;
//       catalogue.parse(input.toByteArray());
//   }

#include <QByteArrayView>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace fuzz_registry {

using Entry = void (*)(QByteArrayView input);

// Keeps the target for the corpus replay; returns true so that it can initialise a static.
bool add(const char* name, Entry entry);

// A broken promise found while replaying: the replay reports it as a failure of the input.
class Finding : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

} // namespace fuzz_registry

// Under the fuzzer a broken promise is a crash with the input saved; in the suite it fails the
// replayed input.
void fuzzRequire(bool promiseKept, const char* promise);

// The promise of every text shown from the device: no C0 or C1 control character, no DEL.
void fuzzRequireShowable(QStringView text, const char* promise);

#ifdef QUORVANE_FUZZ_MAIN
#define QUORVANE_FUZZ_TARGET(name)                                                                 \
    static void fuzzOne_##name(QByteArrayView input);                                              \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        fuzzOne_##name(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));      \
        return 0;                                                                                  \
    }                                                                                              \
    static void fuzzOne_##name(QByteArrayView input)
#else
#define QUORVANE_FUZZ_TARGET(name)                                                                 \
    static void fuzzOne_##name(QByteArrayView input);                                              \
    [[maybe_unused]] static const bool fuzzRegistered_##name =                                     \
        fuzz_registry::add(#name, &fuzzOne_##name);                                                \
    static void fuzzOne_##name(QByteArrayView input)
#endif
