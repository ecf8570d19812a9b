#include "core/l10n/translator.h"

#include "core/l10n/const_str.h"
#include "core/l10n/startup_language.h"
#include "core/settings/data_dirs.h"

#include <QDir>
#include <QFileInfo>

Translator::Translator(QString localeDir) : m_localeDir(std::move(localeDir)) {}

void Translator::chooseLanguage(const QString& code) {
    m_language = code.isEmpty() ? systemLanguage() : code;
    m_catalogues.clear();
    m_refusedFiles.clear();
}

void Translator::bindDomain(const QString& domain, const QString& moFile) {
    m_boundFiles.insert(domain, moFile);
    m_catalogues.remove(domain);
    m_refusedFiles.remove(domain);
}

QString Translator::translate(const QString& text) const {
    return translate(DefaultDomain, text);
}

QString Translator::translate(const QString& domain, const QString& text) const {
    return translateUtf8(domain, text.toUtf8());
}

QString Translator::translateUtf8(const QString& domain, const QByteArray& text) const {
    if (const QString* translation = catalogue(domain).find(text))
        return *translation;
    return QString::fromUtf8(text);
}

QString Translator::headerField(const QString& name) const {
    return catalogue(DefaultDomain).headerField(name);
}

QString Translator::refusedCatalogue() const {
    const MoCatalogue& loaded = catalogue(DefaultDomain);
    const auto refused = m_refusedFiles.constFind(DefaultDomain);
    if (refused == m_refusedFiles.constEnd())
        return {};
    return const_str::CatalogueRefused.arg(refused.value(), loaded.error());
}

QStringList Translator::availableLanguages(const QString& domain) const {
    QStringList codes;
    const QDir locale(m_localeDir);
    const QStringList dirs = locale.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString& dir : dirs) {
        const QString file =
            locale.filePath(dir) + QStringLiteral("/LC_MESSAGES/") + domain + QStringLiteral(".mo");
        const QString code = dir.toLower();
        if (QFileInfo(file).isFile() && !codes.contains(code))
            codes.append(code);
    }
    // The listing's own order depends on the file system; the user sees the codes sorted.
    codes.sort();
    return codes;
}

const MoCatalogue& Translator::catalogue(const QString& domain) const {
    const auto cached = m_catalogues.constFind(domain);
    if (cached != m_catalogues.constEnd())
        return cached.value();

    MoCatalogue& catalogue = m_catalogues[domain];
    const auto bound = m_boundFiles.constFind(domain);
    QString file;
    if (bound != m_boundFiles.constEnd()) {
        file = bound.value();
    } else {
        for (const QString& code : candidateCodes()) {
            file = catalogueFile(code, domain);
            if (!file.isEmpty())
                break;
        }
    }
    // A bound file that is not there is no refusal: the domain simply stays untranslated.
    if (!file.isEmpty() && !catalogue.load(file) && QFileInfo::exists(file))
        m_refusedFiles.insert(domain, file);
    return catalogue;
}

QStringList Translator::candidateCodes() const {
    QStringList candidates{m_language};
    const qsizetype country = m_language.indexOf(QLatin1Char('_'));
    if (country > 0)
        candidates.append(m_language.left(country));
    return candidates;
}

QString Translator::catalogueLanguage() const {
    for (const QString& code : candidateCodes()) {
        if (!catalogueFile(code, DefaultDomain).isEmpty())
            return code.toLower();
    }
    return {};
}

QString Translator::catalogueFile(const QString& code, const QString& domain) const {
    if (code.isEmpty() || code.contains(QLatin1Char('/')) || code.startsWith(QLatin1Char('.')))
        return {};
    const QString tail = QStringLiteral("/LC_MESSAGES/") + domain + QStringLiteral(".mo");
    const QDir locale(m_localeDir);
    if (QFileInfo(locale.filePath(code) + tail).isFile())
        return locale.filePath(code) + tail;
    // The language list lowers directory names ("DE" is listed as "de"), so the code chosen from
    // it must find that directory again.
    const QStringList dirs = locale.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& dir : dirs) {
        if (dir.compare(code, Qt::CaseInsensitive) == 0 &&
            QFileInfo(locale.filePath(dir) + tail).isFile())
            return locale.filePath(dir) + tail;
    }
    return {};
}

Translator& appTranslator() {
    static Translator translator(data_dirs::programDir() + QStringLiteral("/locale"));
    return translator;
}
