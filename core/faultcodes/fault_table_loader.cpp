#include "core/faultcodes/fault_table_loader.h"

#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_record_format.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/lzh_container.h"
#include "core/l10n/const_str.h"
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

// The module stays registered only while its table is read.
class RegisteredModule {
public:
    explicit RegisteredModule(const QString& path)
        : m_path(path), m_loaded(QResource::registerResource(path, kMapRoot)) {}
    ~RegisteredModule() {
        if (m_loaded)
            QResource::unregisterResource(m_path, kMapRoot);
    }
    RegisteredModule(const RegisteredModule&) = delete;
    RegisteredModule& operator=(const RegisteredModule&) = delete;

    bool loaded() const { return m_loaded; }

private:
    QString m_path;
    bool m_loaded;
};

} // namespace

QString faultModulePath(const QString& programDir, const QString& languageCode) {
    const QString code = isModuleCode(languageCode) ? languageCode : QStringLiteral("en");
    const QString path = modulePathFor(programDir, code);
    if (QFileInfo::exists(path))
        return path;
    return modulePathFor(programDir, QStringLiteral("en"));
}

void LoadFaultCodeTable(FaultCodeTable& table, const QString& languageCode, UserNotifier& notifier,
                        const QString& programDir) {
    loadFaultModule(table, faultModulePath(programDir, languageCode), notifier);
}

void loadFaultModule(FaultCodeTable& table, const QString& modulePath, UserNotifier& notifier) {
    table.clear();
    const RegisteredModule module(modulePath);
    if (!module.loaded()) {
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
    kbmBINDeCompress(packed, unpacked, notifier);
    table.setRecords(fault_record_format::parse(unpacked.data()));
}
