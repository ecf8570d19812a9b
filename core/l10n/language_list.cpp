#include "core/l10n/language_list.h"

#include "core/l10n/const_str.h"
#include "core/l10n/flag_library.h"
#include "core/l10n/translator.h"
#include "core/l10n/user_notifier.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

LanguageList buildLanguageList(Translator& translator, const QString& flagLibraryPath,
                               UserNotifier& notifier) {
    LanguageList list;
    const QStringList codes = translator.availableLanguages();
    translator.bindDomain(QStringLiteral("languagenames"),
                          translator.localeDir() + QStringLiteral("/languagenames.mo"));

    for (const QString& code : codes) {
        TLanguageData entry;
        entry.code = code;
        entry.name =
            translator.translate(QStringLiteral("languages"),
                                 translator.translate(QStringLiteral("languagenames"), code));
        // The library is loaded and released per language, so a missing one is reported for
        // every language.
        FlagLibrary flags(flagLibraryPath);
        if (flags.load())
            entry.flag = flags.flag(code);
        else
            notifier.showMessage(UserNotifier::Icon::Error, const_str::BadLangFlDllLoad);
        list.entries.push_back(std::move(entry));
    }

    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (list.entries[i].code.compare(translator.currentLanguage(), Qt::CaseInsensitive) == 0) {
            list.selected = static_cast<int>(i);
            break;
        }
    }
    return list;
}

TranslationInfo translationInfo(const Translator& translator) {
    return {translator.headerField(QStringLiteral("LAST-TRANSLATOR")),
            translator.headerField(QStringLiteral("X-Poedit-Language"))};
}

void languageChosen(const QString& code, SettingsStore& store, UserNotifier& notifier) {
    storeText(setting_names::Language, code, store);
    notifier.showMessage(UserNotifier::Icon::Information, const_str::RestartForLanguage);
}
