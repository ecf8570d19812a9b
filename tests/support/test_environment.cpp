#include "tests/support/test_environment.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace test_env {
namespace {
std::unique_ptr<QTemporaryDir>& tempDir() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
} // namespace

void install() {
    tempDir() =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quorvane-test-XXXXXX"));
    const QString base = tempDir()->path();
    QDir().mkpath(base + QStringLiteral("/data"));
    qputenv("QUORVANE_CONFIG", (base + QStringLiteral("/config/quorvane.ini")).toUtf8());
    qputenv("QUORVANE_DATA", (base + QStringLiteral("/data")).toUtf8());
    // The program started by a test takes a lock of its own, not the user's.
    qputenv("QUORVANE_INSTANCE", QFileInfo(base).fileName().toUtf8());
}

QString root() {
    return tempDir()->path();
}

QString freshDir(const QString& name) {
    QDir dir(root() + QLatin1Char('/') + name);
    dir.removeRecursively();
    QDir().mkpath(dir.path());
    return dir.path();
}

} // namespace test_env
