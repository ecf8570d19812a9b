// Language modules and the flag library: Qt binary resource files from outside. Whatever the
// check lets through, Qt must be able to walk and read in full.

#include "core/l10n/resource_file.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/fault_table_loader.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/recording_notifier.h"

#include <QDirIterator>
#include <QFile>

QUORVANE_FUZZ_TARGET(resource_file) {
    const QByteArray bytes = input.toByteArray();
    if (!resource_file::isSound(bytes))
        return;
    {
        const MountedResourceFile mounted(bytes, QStringLiteral("/fuzz"));
        fuzzRequire(mounted.mounted(), "a sound file registers");
        QDirIterator entries(QStringLiteral(":/fuzz"),
                             QDir::AllEntries | QDir::Hidden | QDir::System,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile file(entries.next());
            if (file.open(QIODevice::ReadOnly))
                (void)file.read(1 << 20);
        }
    }
    FaultCodeTable table;
    RecordingNotifier notifier;
    try {
        loadFaultModuleBytes(table, bytes, notifier);
    } catch (const FaultTableError&) {
    }
}
