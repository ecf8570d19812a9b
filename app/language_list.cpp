#include "app/language_list.h"

#include "app/const_str.h"
#include "app/flag_library.h"
#include "app/settings_names.h"
#include "app/settings_store.h"
#include "app/translator.h"
#include "app/user_notifier.h"

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
