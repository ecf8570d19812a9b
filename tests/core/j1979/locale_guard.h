#pragma once

#include <QLocale>

// Sets the default locale for the lifetime of a test and puts the previous one back.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(m_previous); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale m_previous;
};

inline QLocale englishLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

inline QLocale germanLocale() {
    return QLocale(QLocale::German, QLocale::Germany);
}
