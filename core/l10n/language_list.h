#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class SettingsStore;
class Translator;
class UserNotifier;

// One entry of the language list of the options page.
struct LanguageEntry {
    QString code;
    // The code translated in "languagenames", then in "languages" (the run's language).
    QString name;
    // SVG picture of the flag; empty when there is none.
    QByteArray flag;
};

struct LanguageList {
    std::vector<LanguageEntry> entries;
    // Position of the language the run's texts are in, compared without regard to case: the run's
    // code, else the language of its catalogue ("de" for "de_DE"), else English; -1 only when
    // none of them is listed.
    int selected = -1;
};

// Lists the languages that have a default catalogue, binds "languagenames" to
// locale/languagenames.mo and attaches each flag from the flag library. A missing library is
// reported with "Bad lang_fl.dll Load" once per language; the list then has no pictures.
LanguageList buildLanguageList(Translator& translator, const QString& flagLibraryPath,
                               UserNotifier& notifier);

// What the options page shows about the catalogue of the run.
struct TranslationInfo {
    QString translator; // LAST-TRANSLATOR
    // The run's language in its own words (languagenames), else X-Poedit-Language.
    QString language;
};
// Binds "languagenames" as the language list does.
TranslationInfo translationInfo(Translator& translator);

// The user chose a language: the code is stored at once and the user is told to restart; the
// running language (and so translationInfo) stays as it is until then.
void languageChosen(const QString& code, SettingsStore& store, UserNotifier& notifier);
