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
    // Where the damaged file of this opening was kept before the first write replaced it; empty
    // when nothing was written into a damaged file. Stays until the next opening.
    const QString& damagedCopy() const { return m_damagedCopy; }

    // Writes pending values and closes the key. A write that cannot be made is dropped silently.
    void close();

    // Reads and writes need an open key: reads then report a missing value, writes are skipped.
    // The first write into a damaged file keeps a copy of it first (keepDamagedCopy); when no copy
    // can be made, writes are skipped, so the damaged file is never lost.
    bool exists(const QString& name) const;
    std::optional<bool> readBool(const QString& name) const;
    std::optional<int> readInt(const QString& name) const;
    std::optional<QString> readText(const QString& name) override;

    void writeBool(const QString& name, bool value);
    void writeInt(const QString& name, int value);
    void writeText(const QString& name, const QString& value) override;

private:
    bool writable();

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    bool m_damaged = false;
    bool m_copyTried = false;
    QString m_damagedCopy;
};

// Copies the settings file at path beside itself as path.damaged, or path.damaged.2 to
// path.damaged.9 when that name is taken: each damaged version is kept, since only the user can
// tell which held the settings worth restoring, and none is ever replaced. A version already
// kept under one of those names is not copied again. Returns the copy's path; empty when all
// names hold other versions or the copy fails.
QString keepDamagedCopy(const QString& path);

// The change handlers' pattern: open (creating), write one value, close at once.
void storeBool(const QString& name, bool value, SettingsStore& store);
void storeInt(const QString& name, int value, SettingsStore& store);
void storeText(const QString& name, const QString& value, SettingsStore& store);
