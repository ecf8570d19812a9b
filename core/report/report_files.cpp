#include "core/report/report_files.h"

#include "core/l10n/const_str.h"
#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

namespace {

// The stylesheet we ship is under 10 KiB; anything much larger under its name is not ours.
constexpr qint64 kStylesheetMaxBytes = 256 * 1024;

// SHA-256 of every stylesheet earlier versions of the program wrote. When the shipped stylesheet
// changes, the digest of the one it replaces goes here: a copy of it left in a folder is then
// still known as ours and brought up to date, while a file the user wrote is not.
constexpr const char* kEarlierStylesheetDigests[] = {
    "9b27193c0524b217a80c298e9019b21c260dc5d8832851041cdcc7390800f45c",
    "7cc4861bde168e4c6020b50ef8c122b41697d9106c0e8956210d6ae6c5d297a2",
    "e67f78897f07566f2d9c01469785d5dc150abd7ef717ee1b45477c2929bf37ad",
    "74f856b0e003f869835efc06de0b5d1c89c94309cc8de3bf4b24dd9f41290ae0",
    "8a51cee59fce5b66f60699bfbaef7e031b359c33929662b5a12a5edca9cb0dea",
};

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

bool isEarlierProgramStylesheet(const QByteArray& bytes) {
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return std::any_of(std::begin(kEarlierStylesheetDigests), std::end(kEarlierStylesheetDigests),
                       [&digest](const char* known) { return digest == known; });
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
    if (QFileInfo::exists(target)) {
        // Too large to be ours is the user's as well.
        const std::optional<QByteArray> present = readRegularFile(target, kStylesheetMaxBytes);
        if (present == stylesheet)
            return StylesheetPlacement::Placed;
        if (!present || !isEarlierProgramStylesheet(*present))
            return StylesheetPlacement::UsersKept;
    }
    return saveWhole(target, *stylesheet).isEmpty() ? StylesheetPlacement::Placed
                                                    : StylesheetPlacement::NotPlaced;
}
