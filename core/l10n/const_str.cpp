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
    // The language-module failure is English in all, and so is a refused catalogue, which could
    // only have been translated by itself. (The no-communication message keeps its German
    // original in the table, and every catalogue, the English one included, gives its own text.)
    return std::strcmp(entry.name, "BadLanguageDllLoad") == 0 ||
           std::strcmp(entry.name, "CatalogueRefused") == 0;
}

} // namespace const_str
