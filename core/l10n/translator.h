#pragma once

#include "core/l10n/mo_catalogue.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The run's message catalogues below one locale directory (locale/CODE/LC_MESSAGES/DOMAIN.mo),
// with domains bound to single files where needed. Our own reader rather than the C library's
// gettext: that one follows the process locale and cannot bind a domain to one file.
// Used on the user-interface thread only.
class Translator {
public:
    static constexpr QLatin1String DefaultDomain{"default"};

    explicit Translator(QString localeDir);

    const QString& localeDir() const { return m_localeDir; }

    // The language of this run; an empty code means the system's language. A code with a
    // country ("de_DE") uses the catalogues of its language ("de") when it has none of its own.
    void chooseLanguage(const QString& code);

    // The code in effect, as chosen ("de_DE" stays "de_DE").
    const QString& currentLanguage() const { return m_language; }

    // The language whose default catalogue the run's texts come from, as the language list names
    // it ("de" for a run in "de_DE"); empty when there is none and the texts stay English.
    QString catalogueLanguage() const;

    // Ties a domain to one catalogue file whatever the language ("languagenames").
    void bindDomain(const QString& domain, const QString& moFile);

    // The translation in the default or a named domain; the text itself when there is none.
    QString translate(const QString& text) const;
    QString translate(const QString& domain, const QString& text) const;
    QString translateUtf8(const QString& domain, const QByteArray& text) const;

    // Codes of the subdirectories of the locale directory that hold LC_MESSAGES/DOMAIN.mo: the
    // directory names in lower case, each once, sorted.
    QStringList availableLanguages(const QString& domain = DefaultDomain) const;

    // A header field of the default domain's catalogue of the run (empty when absent).
    QString headerField(const QString& name) const;

    // When the run's default catalogue exists but was refused as unreadable, the message that
    // names it and says why; empty when it was read or there is none. The texts then stay
    // English, which the user would otherwise take for a missing translation.
    QString refusedCatalogue() const;

private:
    const MoCatalogue& catalogue(const QString& domain) const;
    // The catalogue of a domain for one code, or empty.
    QString catalogueFile(const QString& code, const QString& domain) const;
    // The run's code, then its language without the country.
    QStringList candidateCodes() const;

    QString m_localeDir;
    QString m_language;
    QHash<QString, QString> m_boundFiles;
    mutable QHash<QString, MoCatalogue> m_catalogues;
    // By domain: the file of a catalogue that was refused.
    mutable QHash<QString, QString> m_refusedFiles;
};

// The program's translator: catalogues in locale/ beside the executable. Created on first use.
Translator& appTranslator();
