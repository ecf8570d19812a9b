#include "core/report/report_files.h"

#include "core/l10n/const_str.h"
#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString notWritten(const QString& path, const QString& reason) {
    return const_str::FileNotWritten.arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString reportsDirPath() {
    return data_dirs::dataDir() + QStringLiteral("/reports");
}

QString createReportsDir() {
    const QString dir = reportsDirPath();
    if (!QFileInfo(dir).isDir() && !QDir().mkdir(dir))
        throw ReportError(const_str::DirectoryNotCreated.arg(QDir::toNativeSeparators(dir)));
    return dir;
}

QString previewReportPath() {
    return reportsDirPath() + QStringLiteral("/temp.xml");
}

QString stylesheetSourcePath() {
    return data_dirs::programDir() + QStringLiteral("/reports/") + QLatin1String(kReportStylesheet);
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (const QString reason = saveWhole(path, bytes); !reason.isEmpty())
        throw ReportError(notWritten(path, reason));
}

bool writeReportFile(const QString& path, const QByteArray& document) {
    writeFileAtomically(path, document);
    return placeStylesheet(QFileInfo(path).absolutePath());
}

bool placeStylesheet(const QString& dir) {
    const QFileInfo source(stylesheetSourcePath());
    const QFileInfo target(dir + QLatin1Char('/') + QLatin1String(kReportStylesheet));
    // Running from the program directory, reports/ holds the staged stylesheet itself.
    if (target.exists() && target.canonicalFilePath() == source.canonicalFilePath())
        return true;
    QFile in(source.filePath());
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stylesheet = in.readAll();
    QFile existing(target.filePath());
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == stylesheet)
        return true;
    existing.close();
    try {
        writeFileAtomically(target.filePath(), stylesheet);
    } catch (const ReportError&) {
        return false;
    }
    return true;
}
