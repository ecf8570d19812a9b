#include "tools/faultpack/module_builder.h"

#include "core/faultcodes/fault_record_format.h"
#include "core/faultcodes/lzh_container.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace module_builder {
namespace {

[[noreturn]] void fail(const QString& what) {
    throw BuildError(what.toStdString());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace

QString defaultRcc() {
    const QString fromEnvironment = qEnvironmentVariable("FAULTPACK_RCC");
    return fromEnvironment.isEmpty() ? QStringLiteral(FAULTPACK_RCC_PATH) : fromEnvironment;
}

void buildFromContainer(const QByteArray& container, const QString& modulePath,
                        const QString& rcc) {
    QTemporaryDir work;
    if (!work.isValid())
        fail(QStringLiteral("no temporary directory: %1").arg(work.errorString()));
    writeFile(work.filePath(QStringLiteral("FAULT")), container);
    // The container is packed already; a second compression by rcc would only cost load time.
    writeFile(work.filePath(QStringLiteral("module.qrc")),
              "<!DOCTYPE RCC><RCC version=\"1.0\"><qresource prefix=\"/\">"
              "<file>FAULT</file></qresource></RCC>\n");

    const QFileInfo target(modulePath);
    if (!QDir().mkpath(target.absolutePath()))
        fail(QStringLiteral("cannot create %1").arg(target.absolutePath()));
    const QString partial = work.filePath(QStringLiteral("language.dll"));

    QProcess process;
    process.setWorkingDirectory(work.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(rcc, {QStringLiteral("--binary"), QStringLiteral("--no-compress"),
                        QStringLiteral("-o"), partial, QStringLiteral("module.qrc")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        fail(QStringLiteral("%1 failed: %2 %3")
                 .arg(rcc, process.errorString(), QString::fromLocal8Bit(process.readAll())));

    // Replace the old module only with a complete new one.
    const QString staged = modulePath + QStringLiteral(".new");
    QFile::remove(staged);
    if (!QFile::copy(partial, staged))
        fail(QStringLiteral("cannot write %1").arg(staged));
    QFile::remove(modulePath);
    if (!QFile::rename(staged, modulePath))
        fail(QStringLiteral("cannot write %1").arg(modulePath));
}

void build(const FaultRecords& records, const QString& modulePath, const QString& rcc) {
    buildFromContainer(lzh_container::pack(fault_record_format::serialize(records)), modulePath,
                       rcc);
}

} // namespace module_builder
