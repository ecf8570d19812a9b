#include "core/settings/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <mutex>

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

namespace {

constexpr int kMaxDamagedCopies = 9;

// QSettings keeps a file it has read in a process-wide cache and reports the file's damage only
// to the first reader: a later one, given the cached content, sees no error. So the damage found
// once is remembered here, for as long as the file keeps the size and time it had then (which is
// when QSettings reads it again, too).
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path) {
    const QFileInfo info(path);
    return {info.size(), info.lastModified()};
}

class DamagedFiles {
public:
    // Whether the file at path is damaged, given what the reader just reported.
    bool damaged(const QString& path, bool reported) {
        const QString key = QFileInfo(path).absoluteFilePath();
        const FileStamp stamp = stampOf(path);
        const std::lock_guard lock(m_mutex);
        if (reported)
            m_stamps.insert(key, stamp);
        else if (m_stamps.value(key) != stamp)
            m_stamps.remove(key);
        return m_stamps.contains(key);
    }

private:
    std::mutex m_mutex;
    QHash<QString, FileStamp> m_stamps;
};

DamagedFiles& damagedFiles() {
    static DamagedFiles files;
    return files;
}

bool sameContent(const QString& path, const QString& other) {
    QFile a(path);
    QFile b(other);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 64 * 1024;
    while (!a.atEnd()) {
        if (a.read(kChunk) != b.read(kChunk))
            return false;
    }
    return true;
}

} // namespace

QString keepDamagedCopy(const QString& path) {
    for (int n = 1; n <= kMaxDamagedCopies; ++n) {
        QString copy = path + QStringLiteral(".damaged");
        if (n > 1)
            copy += QLatin1Char('.') + QString::number(n);
        // A dangling link counts as taken too: the copy never goes where a link points.
        if (QFileInfo(copy).exists() || QFileInfo(copy).isSymLink()) {
            if (sameContent(path, copy))
                return copy;
            continue;
        }
        // QFile::copy writes a temporary file and renames it: the copy is whole or absent, and
        // it never replaces a file that appeared meanwhile.
        return QFile::copy(path, copy) ? copy : QString();
    }
    return {};
}

bool SettingsStore::open(bool create) {
    if (isOpen())
        return true;
    m_copyTried = false;
    m_damagedCopy.clear();
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
    m_damaged = damagedFiles().damaged(m_path, m_settings->status() == QSettings::FormatError);
    return true;
}

bool SettingsStore::damaged() const {
    return isOpen() && m_damaged;
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

bool SettingsStore::writable() {
    if (!isOpen())
        return false;
    if (!damaged())
        return true;
    // The next sync replaces the file by what could be read of it.
    if (!m_copyTried) {
        m_copyTried = true;
        m_damagedCopy = keepDamagedCopy(m_path);
    }
    return !m_damagedCopy.isEmpty();
}

void SettingsStore::writeInt(const QString& name, int value) {
    if (writable())
        m_settings->setValue(name, value);
}

void SettingsStore::writeText(const QString& name, const QString& value) {
    if (writable())
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
