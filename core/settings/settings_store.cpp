#include "core/settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString SettingsStore::defaultPath() {
    const QString overridden = qEnvironmentVariable("QUORVANE_CONFIG");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quorvane/quorvane.ini");
}

SettingsStore::SettingsStore(QString path) : m_path(std::move(path)) {}

SettingsStore::~SettingsStore() {
    close();
}

bool SettingsStore::keyExists() const {
    return QFileInfo(m_path).isFile();
}

bool SettingsStore::open(bool create) {
    if (isOpen())
        return true;
    if (!keyExists()) {
        if (!create)
            return false;
        // QSettings only writes a file when it holds a value; an empty key must exist on its own.
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return false;
        QFile file(m_path);
        // Another instance may have created it in the meantime; that one serves as well.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !keyExists())
            return false;
    }
    if (!QFileInfo(m_path).isReadable())
        return false;
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    // QSettings writes through QSaveFile (temporary file, then rename): never half written.
    m_settings->setAtomicSyncRequired(true);
    return true;
}

bool SettingsStore::damaged() const {
    return isOpen() && m_settings->status() == QSettings::FormatError;
}

void SettingsStore::close() {
    if (!isOpen())
        return;
    m_settings->sync();
    m_settings.reset();
}

bool SettingsStore::exists(const QString& name) const {
    return isOpen() && m_settings->contains(name);
}

std::optional<bool> SettingsStore::readBool(const QString& name) const {
    if (!exists(name))
        return std::nullopt;
    const QString text = m_settings->value(name).toString().trimmed();
    bool number = false;
    const int value = text.toInt(&number);
    if (number)
        return value != 0;
    // Hand-edited files may say true/false.
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

std::optional<int> SettingsStore::readInt(const QString& name) const {
    if (!exists(name))
        return std::nullopt;
    bool number = false;
    const int value = m_settings->value(name).toString().trimmed().toInt(&number);
    if (!number)
        return std::nullopt;
    return value;
}

std::optional<QString> SettingsStore::readText(const QString& name) {
    if (!exists(name))
        return std::nullopt;
    const QVariant value = m_settings->value(name);
    // An unquoted comma in a hand-edited line makes QSettings read a list: the user meant text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void SettingsStore::writeBool(const QString& name, bool value) {
    writeInt(name, value ? 1 : 0);
}

void SettingsStore::writeInt(const QString& name, int value) {
    if (isOpen())
        m_settings->setValue(name, value);
}

void SettingsStore::writeText(const QString& name, const QString& value) {
    if (isOpen())
        m_settings->setValue(name, value);
}

void storeBool(const QString& name, bool value, SettingsStore& store) {
    storeInt(name, value ? 1 : 0, store);
}

void storeInt(const QString& name, int value, SettingsStore& store) {
    if (!store.open(true))
        return;
    store.writeInt(name, value);
    store.close();
}

void storeText(const QString& name, const QString& value, SettingsStore& store) {
    if (!store.open(true))
        return;
    store.writeText(name, value);
    store.close();
}
