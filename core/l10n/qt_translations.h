#pragma once

#include <QString>

class QObject;
class QTranslator;

// Qt's own texts (the standard buttons Yes, No, Cancel, OK, the file and print dialogs) come from
// Qt's catalogue qtbase_CODE.qm in Qt's translations directory. Loads the one of the language
// (falling back from "de_DE" to "de"), installs it into the application and returns it, owned by
// owner; nullptr when Qt has no catalogue for it (the texts stay English).
QTranslator* installQtTranslations(const QString& language, QObject* owner);

// Where Qt keeps its catalogues on this machine.
QString qtTranslationsDir();
