#include "core/connection/catalogue_translation.h"

#include "core/l10n/const_str.h"
#include "core/l10n/grid_headings.h"
#include "core/l10n/translator.h"

PidCatalogue translateCatalogues(const Translator& translator, GridHeadingSink* sink) {
    for (const const_str::Entry& entry : const_str::entries()) {
        if (const_str::isUntranslated(entry))
            continue;
        *entry.value = translator.translateUtf8(Translator::DefaultDomain, entry.english);
    }
    if (sink != nullptr)
        sink->setGridHeadings(gridHeadingTexts());
    return buildPidCatalogue();
}
