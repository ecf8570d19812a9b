#include "core/settings/adapter_options.h"

#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

#include <QtGlobal>

namespace {

// The stored value when it lies in [low, high]; else the fallback, with a warning for a value
// that is there but out of range.
int intIn(const SettingsStore& store, QLatin1String name, int low, int high, int fallback) {
    if (!store.exists(name))
        return fallback;
    const std::optional<int> value = store.readInt(name);
    if (value && *value >= low && *value <= high)
        return *value;
    qWarning("The stored %s is not a number from %d to %d; %d is used.", name.data(), low, high,
             fallback);
    return fallback;
}

} // namespace

AdapterOptions readAdapterOptions(const SettingsStore& store) {
    using namespace setting_names;
    AdapterOptions options;
    options.automaticBaud = store.readBool(AutomaticBaudRate).value_or(true);
    options.protocol = intIn(store, Protocol, 0, 12, 0);
    options.chipTimeoutMs = intIn(store, ChipTimeout, 0, AdapterOptions::kMaxChipTimeoutMs, 0);
    options.silenceTimeoutMs =
        intIn(store, SilenceTimeout, AdapterOptions::kMinSilenceMs, AdapterOptions::kMaxSilenceMs,
              AdapterOptions::kDefaultSilenceMs);
    return options;
}

void writeAdapterOptions(const AdapterOptions& options, SettingsStore& store) {
    using namespace setting_names;
    store.writeBool(AutomaticBaudRate, options.automaticBaud);
    store.writeInt(Protocol, options.protocol);
    store.writeInt(ChipTimeout, options.chipTimeoutMs);
    store.writeInt(SilenceTimeout, options.silenceTimeoutMs);
}

void storeAdapterOptions(const AdapterOptions& options, SettingsStore& store) {
    if (!store.open(true))
        return;
    writeAdapterOptions(options, store);
    store.close();
}
