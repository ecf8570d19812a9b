#include "core/l10n/startup_language.h"

#include "core/l10n/translator.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

#include <QLocale>

QString systemLanguage() {
    QString language = qEnvironmentVariable("LANG");
    if (language.isEmpty())
        language = QLocale::system().name();
    for (const QChar cut : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = language.indexOf(cut);
        if (at >= 0)
            language.truncate(at);
    }
    return language;
}

QString chooseStartupLanguage(SettingsStore& store, const QString& systemLanguage) {
    if (!store.open(false))
        return systemLanguage;
    QString language = systemLanguage;
    if (const auto stored = store.readText(setting_names::Language)) {
        if (!stored->trimmed().isEmpty())
            language = stored->trimmed();
    } else if (!store.damaged()) {
        // A damaged file is left to the settings load, which keeps a copy before it writes and
        // tells the user; written here, it would be replaced without a word.
        store.writeText(setting_names::Language, QStringLiteral("de"));
    }
    store.close();
    return language;
}

void chooseRunLanguage(Translator& translator, SettingsStore& store) {
    translator.chooseLanguage(chooseStartupLanguage(store, systemLanguage()));
}
