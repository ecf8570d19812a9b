#include "core/l10n/const_str.h"

#include <cstring>

namespace const_str {

#define CONST_STR(name, english) QString name = QString::fromUtf8(english);
#include "core/l10n/const_str_table.h"
#undef CONST_STR

const std::vector<Entry>& entries() {
    static const std::vector<Entry> table = {
#define CONST_STR(name, english) {#name, english, &name},
#include "core/l10n/const_str_table.h"
#undef CONST_STR
    };
    return table;
}

bool isUntranslated(const Entry& entry) {
    // "ready" is compared with the interface's own answers, and the no-communication message is
    // deliberately German in every language; the language-module failure is English in all.
    return std::strcmp(entry.name, "ready") == 0 ||
           std::strncmp(entry.name, "NoCommunication", 15) == 0 ||
           std::strcmp(entry.name, "BadLanguageDllLoad") == 0;
}

} // namespace const_str
