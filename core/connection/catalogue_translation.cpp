#include "core/connection/catalogue_translation.h"

#include "core/j1979/extended_pids.h"
#include "core/l10n/const_str.h"
#include "core/l10n/grid_headings.h"
#include "core/l10n/translator.h"

PidCatalogue translateCatalogues(const Translator& translator, GridHeadingSink* sink) {
    for (const const_str::Entry& entry : const_str::entries()) {
        if (const_str::isUntranslated(entry))
            continue;
        *entry.value = translator.translateUtf8(Translator::DefaultDomain, entry.english);
    }
    // The parameters above 4E have a catalogue of their own, so that their hundreds of names do
    // not crowd the program's texts.
    extended_pids::setTranslation([&translator](const char* text) {
        return translator.translateUtf8(QStringLiteral("parameters"), QByteArray(text));
    });
    if (sink != nullptr)
        sink->setGridHeadings(gridHeadingTexts());
    return buildPidCatalogue();
}
