#include "core/report/report_files.h"

#include "core/l10n/const_str.h"
#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The stylesheet we ship is under 10 KiB; anything much larger under its name is not ours.
constexpr qint64 kStylesheetMaxBytes = 256 * 1024;

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

StylesheetPlacement writeReportFile(const QString& path, const QByteArray& document) {
    writeFileAtomically(path, document);
    return placeStylesheet(QFileInfo(path).absolutePath());
}

StylesheetPlacement placeStylesheet(const QString& dir) {
    const QFileInfo source(stylesheetSourcePath());
    const QString target = dir + QLatin1Char('/') + QLatin1String(kReportStylesheet);
    // A fifo there would block the open for good and a device would never end; neither is ours
    // to replace.
    if (isOtherThanRegularFile(target))
        return StylesheetPlacement::NotRegularFile;
    // Running from the program directory, reports/ holds the staged stylesheet itself.
    if (QFileInfo::exists(target) &&
        QFileInfo(target).canonicalFilePath() == source.canonicalFilePath())
        return StylesheetPlacement::Placed;
    const std::optional<QByteArray> stylesheet =
        readRegularFile(source.filePath(), kStylesheetMaxBytes);
    if (!stylesheet)
        return StylesheetPlacement::NotPlaced;
    if (readRegularFile(target, kStylesheetMaxBytes) == stylesheet)
        return StylesheetPlacement::Placed;
    return saveWhole(target, *stylesheet).isEmpty() ? StylesheetPlacement::Placed
                                                    : StylesheetPlacement::NotPlaced;
}
