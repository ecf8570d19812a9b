#include "core/faultcodes/fault_table_loader.h"

#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_record_format.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/lzh_container.h"
#include "core/l10n/const_str.h"
#include "core/l10n/resource_file.h"
#include "core/l10n/user_notifier.h"

#include <QBuffer>
#include <QFileInfo>
#include <QResource>

namespace {

const QString kMapRoot = QStringLiteral("/quorvane-fault-module");

QString modulePathFor(const QString& programDir, const QString& code) {
    return programDir + QStringLiteral("/locale/") + code + QStringLiteral("/language.dll");
}

// Only a two-character code names a module directory. Both must be letters or digits: the code
// comes from the settings file, and ".." would otherwise leave the locale directory.
bool isModuleCode(const QString& code) {
    return code.size() == 2 && code[0].isLetterOrNumber() && code[1].isLetterOrNumber();
}

} // namespace

QString faultModulePath(const QString& programDir, const QString& languageCode) {
    const QString code = isModuleCode(languageCode) ? languageCode : QStringLiteral("en");
    const QString path = modulePathFor(programDir, code);
    if (QFileInfo::exists(path))
        return path;
    return modulePathFor(programDir, QStringLiteral("en"));
}

void loadFaultCodeTable(FaultCodeTable& table, const QString& languageCode, UserNotifier& notifier,
                        const QString& programDir) {
    loadFaultModule(table, faultModulePath(programDir, languageCode), notifier);
}

void loadFaultModule(FaultCodeTable& table, const QString& modulePath, UserNotifier& notifier) {
    loadFaultModuleBytes(table, resource_file::readSound(modulePath), notifier);
}

void loadFaultModuleBytes(FaultCodeTable& table, QByteArray moduleBytes, UserNotifier& notifier) {
    table.clear();
    // Registered only while its table is read, and only once the whole file has been checked.
    const MountedResourceFile module(std::move(moduleBytes), kMapRoot);
    if (!module.mounted()) {
        notifier.showMessage(UserNotifier::Icon::Error, const_str::BadLanguageDllLoad);
        return;
    }
    const QResource resource(QLatin1Char(':') + kMapRoot + QStringLiteral("/FAULT"));
    if (!resource.isValid())
        throw FaultTableError(const_str::FaultResourceMissing);

    // Without compression by the resource compiler this is a view of the mapped file, no copy.
    QByteArray packedBytes = resource.uncompressedData();
    QBuffer packed(&packedBytes);
    packed.open(QIODevice::ReadOnly);
    QBuffer unpacked;
    unpacked.open(QIODevice::ReadWrite);
    unpackLzh(packed, unpacked, notifier);
    table.setRecords(fault_record_format::parse(unpacked.data()));
}
