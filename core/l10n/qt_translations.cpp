#include "core/l10n/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString qtTranslationsDir() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QTranslator* installQtTranslations(const QString& language, QObject* owner) {
    if (language.isEmpty() || QCoreApplication::instance() == nullptr)
        return nullptr;
    auto* translator = new QTranslator(owner);
    // load() tries "qtbase_de_DE", then "qtbase_de".
    if (!translator->load(QStringLiteral("qtbase_") + language, qtTranslationsDir()) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
