#include "core/settings/data_dirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace data_dirs {

QString programDir() {
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath();
    // Without an application object (small tools): resolve /proc/self/exe ourselves.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath())
        .absolutePath();
}

QString dataDir() {
    QString dir = qEnvironmentVariable("QUORVANE_DATA");
    if (dir.isEmpty()) {
        const QString program = programDir();
        const QFileInfo info(program);
        if (info.isDir() && info.isWritable())
            dir = program;
        else
            dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/quorvane");
    }
    QDir().mkpath(dir);
    return QDir::cleanPath(dir);
}

QString dataSubDir(const QString& name) {
    const QString dir = dataDir() + QLatin1Char('/') + name;
    QDir().mkpath(dir);
    return dir;
}

} // namespace data_dirs
