#include "core/settings/settings_load.h"

#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

#include <algorithm>

namespace {

bool loadFlag(SettingsStore& store, QLatin1String name) {
    if (const auto value = store.readBool(name))
        return *value;
    store.writeBool(name, false);
    return false;
}

int loadWidth(SettingsStore& store, QLatin1String name) {
    if (const auto value = store.readInt(name))
        // The width field only holds 1 to 5; a hand-edited value outside would draw nonsense.
        return std::clamp(*value, 1, 5);
    store.writeInt(name, 1);
    return 1;
}

std::optional<int> loadColor(SettingsStore& store, QLatin1String name, int builtIn) {
    if (const auto value = store.readInt(name))
        return *value;
    store.writeInt(name, builtIn);
    return std::nullopt;
}

void writeFirstRunValues(SettingsStore& store, const SerialSettingsIo& serial) {
    using namespace setting_names;
    if (serial.store)
        serial.store(store);
    store.writeText(Language, QStringLiteral("en"));
    store.writeBool(CommLogging, false);
    store.writeBool(AutoDetect, false);
    store.writeInt(SystemOfMeasurements, 0);
    store.writeInt(WidthGraph1, 1);
    store.writeInt(WidthGraph2, 1);
    store.writeInt(ColorGraph1, DefaultColorGraph1);
    store.writeInt(ColorGraph2, DefaultColorGraph2);
}

} // namespace

SettingsLoadResult loadSettings(SettingsStore& store, const SerialSettingsIo& serial) {
    using namespace setting_names;
    SettingsLoadResult result;
    PersistedOptions& options = result.options;

    if (!store.open(false)) {
        if (store.keyExists()) {
            result.unreadable = true;
            return result;
        }
        result.firstRun = true;
        if (store.open(true))
            writeFirstRunValues(store, serial);
        store.close();
        return result;
    }

    result.unreadable = store.damaged();
    if (serial.restore)
        serial.restore(store);
    options.commLogging = loadFlag(store, CommLogging);
    options.autoDetect = loadFlag(store, AutoDetect);
    options.autoConnect = loadFlag(store, AutoConnect);
    // Off until the user ticks them; nothing is written for them before.
    options.recordSessions = store.readBool(RecordSessions).value_or(false);
    options.anonymizeRecordings = store.readBool(AnonymizeRecordings).value_or(false);
    options.adapter = readAdapterOptions(store);

    const auto unitSystem = store.readInt(SystemOfMeasurements);
    if (unitSystem && (*unitSystem == 0 || *unitSystem == 1)) {
        options.unitSystem = UnitSystem(*unitSystem);
    } else {
        // A value that names no entry would leave the decoders with an unknown unit system;
        // it is treated like a missing one.
        store.writeInt(SystemOfMeasurements, 0);
        options.unitSystem = UnitSystem::Metric;
    }

    options.widthGraph1 = loadWidth(store, WidthGraph1);
    options.widthGraph2 = loadWidth(store, WidthGraph2);
    options.colorGraph1 = loadColor(store, ColorGraph1, DefaultColorGraph1);
    options.colorGraph2 = loadColor(store, ColorGraph2, DefaultColorGraph2);

    for (std::size_t i = 0; i < Address.size(); ++i)
        options.address[i] = store.readText(Address[i]);
    options.window = readWindowPlacement(store);

    result.damagedCopy = store.damagedCopy();
    store.close();
    return result;
}

void storeSerialSettings(SettingsStore& store, const SerialSettingsIo& serial) {
    if (!serial.store || !store.open(true))
        return;
    serial.store(store);
    store.close();
}
