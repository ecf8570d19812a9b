#pragma once

#include <QString>

class SettingsStore;

// The system's language: LANG when set, else the platform locale ("de_DE"), without the
// character set and modifier ("de_DE.UTF-8" gives "de_DE").
QString systemLanguage();

// The language of this run, decided before any window exists. A stored "Language" wins; a key
// without one gets "de" written (deliberately not "en") and runs in the system's language, as does
// a first run without any key.
QString chooseStartupLanguage(SettingsStore& store, const QString& systemLanguage);

class Translator;

// Module initialisation: the translator of the run gets the language chosen above, from the
// program's settings store and the system's language.
void chooseRunLanguage(Translator& translator, SettingsStore& store);
