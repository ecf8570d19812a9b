#include "core/l10n/language_list.h"

#include "core/l10n/const_str.h"
#include "core/l10n/flag_library.h"
#include "core/l10n/translator.h"
#include "core/l10n/user_notifier.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

namespace {

const QString LanguageNamesDomain = QStringLiteral("languagenames");

void bindLanguageNames(Translator& translator) {
    translator.bindDomain(LanguageNamesDomain,
                          translator.localeDir() + QStringLiteral("/languagenames.mo"));
}

int positionOf(const LanguageList& list, const QString& code) {
    if (code.isEmpty())
        return -1;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (list.entries[i].code.compare(code, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

LanguageList buildLanguageList(Translator& translator, const QString& flagLibraryPath,
                               UserNotifier& notifier) {
    LanguageList list;
    const QStringList codes = translator.availableLanguages();
    bindLanguageNames(translator);

    for (const QString& code : codes) {
        LanguageEntry entry;
        entry.code = code;
        entry.name = translator.translate(QStringLiteral("languages"),
                                          translator.translate(LanguageNamesDomain, code));
        // The library is loaded and released per language, so a missing one is reported for
        // every language.
        FlagLibrary flags(flagLibraryPath);
        if (flags.load())
            entry.flag = flags.flag(code);
        else
            notifier.showMessage(UserNotifier::Icon::Error, const_str::BadLangFlDllLoad);
        list.entries.push_back(std::move(entry));
    }

    // The list shows the language the window speaks: the run's own code, else the language whose
    // catalogue serves it ("de" for "de_DE"), else English, which a language without a catalogue
    // falls back to (a first start on a system whose language the program does not have).
    const QString english = QStringLiteral("en");
    for (const QString& wanted :
         {translator.currentLanguage(), translator.catalogueLanguage(), english}) {
        list.selected = positionOf(list, wanted);
        if (list.selected >= 0 || wanted == english)
            break;
    }
    return list;
}

TranslationInfo translationInfo(Translator& translator) {
    TranslationInfo info{translator.headerField(QStringLiteral("LAST-TRANSLATOR")),
                         translator.headerField(QStringLiteral("X-Poedit-Language"))};
    // The language is named in its own words ("Deutsch"), as the language list names it; the
    // catalogue's own field (often the English name) only when the names catalogue lacks it.
    const QString code = translator.catalogueLanguage();
    if (code.isEmpty())
        return info;
    bindLanguageNames(translator);
    const QString name = translator.translate(LanguageNamesDomain, code);
    if (name != code)
        info.language = name;
    return info;
}

void languageChosen(const QString& code, SettingsStore& store, UserNotifier& notifier) {
    storeText(setting_names::Language, code, store);
    notifier.showMessage(UserNotifier::Icon::Information, const_str::RestartForLanguage);
}
