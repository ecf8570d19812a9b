#pragma once

#include "core/settings/adapter_options.h"
#include "core/settings/unit_system.h"
#include "core/settings/window_placement.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class PortSettingsStore;
class SettingsStore;

// The options as the settings load found them; the options page and the program-wide flags are
// set from this.
struct PersistedOptions {
    bool commLogging = false;
    bool autoDetect = false;
    bool autoConnect = false;
    bool recordSessions = false;      // each connection's session into recordings/
    bool anonymizeRecordings = false; // with the VIN and calibration IDs replaced
    AdapterOptions adapter;
    // The unit-system list always shows it selected, on a first run too, since the decoders use
    // it from the start.
    UnitSystem unitSystem = UnitSystem::Metric;
    int widthGraph1 = 1;
    int widthGraph2 = 1;
    // Nothing: the graph keeps its built-in colour. Colours as 0x00BBGGRR.
    std::optional<int> colorGraph1;
    std::optional<int> colorGraph2;
    // The address fields in the order of setting_names::Address; nothing leaves a field empty.
    std::array<std::optional<QString>, 8> address;
    // Nothing: the window opens at its built-in size, centred.
    std::optional<WindowPlacement> window;
};

// How the serial channel keeps its six values: bound to writePortSettings and
// readPortSettings of the channel in use.
struct SerialSettingsIo {
    std::function<void(PortSettingsStore&)> store;
    std::function<void(PortSettingsStore&)> restore;
};

struct SettingsLoadResult {
    PersistedOptions options;
    bool firstRun = false;
    // The key exists but could not be read (no permission) or is damaged: the options are the
    // first-run ones (or what could be read), and an unreadable key is never written over. The
    // caller tells the user; the program starts all the same.
    bool unreadable = false;
    // Where a damaged file was kept before the load wrote its missing values; empty otherwise.
    QString damagedCopy;
};

// Reads every persisted value, writing the value of each rule where one is missing, and creates
// the key with its first-run values when it does not exist yet. Restores the serial channel.
SettingsLoadResult loadSettings(SettingsStore& store, const SerialSettingsIo& serial);

// COM_CB changed: the whole serial group is stored, never the port name alone.
void storeSerialSettings(SettingsStore& store, const SerialSettingsIo& serial);
