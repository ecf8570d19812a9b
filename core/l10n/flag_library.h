#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class MountedResourceFile;

// lang_fl.dll: a Qt binary resource file beside the program holding one SVG picture per language,
// FLAG_<CODE> (upper-case code), and FLAG_NIL for languages without one of their own.
// Core code hands the pictures on as SVG bytes; the language list draws them.
class FlagLibrary {
public:
    // The library beside the executable.
    static QString defaultPath();

    explicit FlagLibrary(QString path = defaultPath());
    ~FlagLibrary();
    FlagLibrary(const FlagLibrary&) = delete;
    FlagLibrary& operator=(const FlagLibrary&) = delete;

    // Registers the resource file; false when it is missing, no resource file or damaged.
    bool load();
    void release();

    // FLAG_<CODE>, else FLAG_NIL, else nothing. Empty while the library is not loaded.
    QByteArray flag(const QString& languageCode) const;

private:
    QByteArray picture(const QString& name) const;

    QString m_path;
    std::unique_ptr<MountedResourceFile> m_mounted;
    bool m_loaded = false;
};
