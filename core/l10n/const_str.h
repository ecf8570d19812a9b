#pragma once

#include <QString>
#include <vector>

// Every user-visible text that code (rather than a window) produces. Each entry holds its
// English text until the translation pass of the run replaces it; readers take the current value
// at the moment they use it, so they always show the language of the run.
namespace const_str {

#define CONST_STR(name, english) extern QString name;
#include "core/l10n/const_str_table.h"
#undef CONST_STR

struct Entry {
    const char* name;
    const char* english;
    QString* value;
};

// All entries in table order.
const std::vector<Entry>& entries();

// Texts that stay English in every language (their comparison partners are English too).
bool isUntranslated(const Entry& entry);

} // namespace const_str
