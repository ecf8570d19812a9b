#pragma once

#include "core/settings/port_settings_store.h"

#include <QString>
#include <memory>
#include <optional>

class QSettings;

// The program's persistent key of named values: one INI file. The key "exists" exactly when the
// file exists, which is how the first run is recognised. Every value is written in one atomic
// replacement of the file, so a crash never leaves it half written.
class SettingsStore : public PortSettingsStore {
public:
    // QUORVANE_CONFIG when set, else $XDG_CONFIG_HOME/quorvane/quorvane.ini.
    static QString defaultPath();

    explicit SettingsStore(QString path = defaultPath());
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const QString& path() const { return m_path; }

    // Whether the key exists, without opening it.
    bool keyExists() const;

    // Opens the key; with create, a missing key is created (as an empty file). False when the key
    // is missing (and not to be created) or cannot be created.
    bool open(bool create);
    bool isOpen() const { return m_settings != nullptr; }
    // The open key's file is not in the settings format (only part of it could be read).
    bool damaged() const;

    // Writes pending values and closes the key. A write that cannot be made is dropped silently.
    void close();

    // Reads and writes need an open key: reads then report a missing value, writes are skipped.
    bool exists(const QString& name) const;
    std::optional<bool> readBool(const QString& name) const;
    std::optional<int> readInt(const QString& name) const;
    std::optional<QString> readText(const QString& name) override;

    void writeBool(const QString& name, bool value);
    void writeInt(const QString& name, int value);
    void writeText(const QString& name, const QString& value) override;

private:
    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};

// The change handlers' pattern: open (creating), write one value, close at once.
void storeBool(const QString& name, bool value, SettingsStore& store);
void storeInt(const QString& name, int value, SettingsStore& store);
void storeText(const QString& name, const QString& value, SettingsStore& store);
