#pragma once

#include <QString>
#include <optional>

// The part of the settings store that the serial channel needs: text values by name.
class PortSettingsStore {
public:
    virtual ~PortSettingsStore() = default;

    // The stored text, or nothing when the value does not exist.
    virtual std::optional<QString> readText(const QString& name) = 0;

    // Writes one text value; a store that cannot write skips it silently.
    virtual void writeText(const QString& name, const QString& value) = 0;
};
