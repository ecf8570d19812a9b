#include "core/l10n/flag_library.h"

#include "core/l10n/resource_file.h"
#include "core/settings/data_dirs.h"

#include <QFile>

namespace {
// Mounted below a root of its own so that its names never meet another resource file's.
const QString MapRoot = QStringLiteral("/quorvane_flags");
} // namespace

QString FlagLibrary::defaultPath() {
    return data_dirs::programDir() + QStringLiteral("/lang_fl.dll");
}

FlagLibrary::FlagLibrary(QString path) : m_path(std::move(path)) {}

FlagLibrary::~FlagLibrary() {
    release();
}

bool FlagLibrary::load() {
    if (!m_loaded) {
        m_mounted =
            std::make_unique<MountedResourceFile>(resource_file::readSound(m_path), MapRoot);
        m_loaded = m_mounted->mounted();
    }
    return m_loaded;
}

void FlagLibrary::release() {
    m_mounted.reset();
    m_loaded = false;
}

QByteArray FlagLibrary::flag(const QString& languageCode) const {
    if (!m_loaded)
        return {};
    QByteArray own = picture(QStringLiteral("FLAG_") + languageCode.toUpper());
    if (!own.isEmpty())
        return own;
    return picture(QStringLiteral("FLAG_NIL"));
}

QByteArray FlagLibrary::picture(const QString& name) const {
    // A code is a directory name; a slash in it must not reach into other resources.
    if (name.contains(QLatin1Char('/')))
        return {};
    QFile file(QLatin1Char(':') + MapRoot + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
