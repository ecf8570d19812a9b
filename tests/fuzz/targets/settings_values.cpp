// The settings file: every persisted value read back from a file anyone could have edited.

#include "core/link/com_port.h"
#include "core/link/serial_port.h"
#include "core/settings/settings_load.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"
#include "tests/fuzz/fuzz_target.h"

#include <QFile>
#include <QTemporaryDir>

QUORVANE_FUZZ_TARGET(settings_values) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvane.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        file.write(input.data(), input.size());
    }
    SettingsStore store(path);
    const std::unique_ptr<SerialPort> port = createComPort();
    const SettingsLoadResult loaded = loadSettings(store, serialSettingsOf(*port));
    const PersistedOptions& options = loaded.options;
    fuzzRequire(options.unitSystem == UnitSystem::Metric ||
                    options.unitSystem == UnitSystem::English,
                "a known unit system");
    fuzzRequire(options.widthGraph1 >= 1 && options.widthGraph1 <= 5, "a drawable width");
    fuzzRequire(options.widthGraph2 >= 1 && options.widthGraph2 <= 5, "a drawable width");
    if (store.open(false)) {
        (void)store.readText(setting_names::Language);
        store.close();
    }
}
